// Which string a control of a dialog shows: the tables of the windows name each control with
// the string id of its text or tip.
#pragma once

namespace blenker {

// A control of a dialog and the string id of its text or tip.
struct ControlText {
    int control;
    int text;
};

}  // namespace blenker
