#pragma once

namespace controls {
class RichTextBox;
} // namespace controls

// The interpretation press's hand-over of the finished chart: the sixteen house sections,
// in house order, appended to `RTB`.
void InterpretationPass(controls::RichTextBox& RTB);
