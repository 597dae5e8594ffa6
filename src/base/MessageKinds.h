// What a message box offers and answers, apart from the box itself: the logic's questions
// (a backup's disk prompt, say) are put in these words without reaching for a widget.
#pragma once

namespace Messages {

enum class Buttons
{
    Ok,
    YesNo,
    // Yes and No where No throws work away: Esc and the window's close button do nothing, so
    // only a click or Alt+N on No can discard.
    YesNoByChoiceOnly,
    YesNoCancel,
    OkCancel
};
enum class Icon
{
    Information,
    Question,
    Exclamation,
    Stop
};
enum class Answer
{
    Ok,
    Yes,
    No,
    Cancel
};

} // namespace Messages
