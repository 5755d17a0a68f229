#include "casting/InterpretationPass.h"

#include "platform/RichTextBox.h"

void InterpretationPass(platform::RichTextBox& RTB) {
    // The sixteen sections are written by the interpretation composer (next change).
    (void)RTB;
}
