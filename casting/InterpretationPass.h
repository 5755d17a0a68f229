#pragma once

namespace platform {
class RichTextBox;
}

// The interpretation press's hand-over of the finished chart: the sixteen house sections,
// in house order, appended to `RTB`.
void InterpretationPass(platform::RichTextBox& RTB);
