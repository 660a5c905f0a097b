#pragma once

#include <QPoint>

namespace Orlix::Frontend {

class AbstractTrace;

// The renderer's answer to one pointer event: what happened to which trace.
struct MouseResponse
{
    enum Kind { Pressed = 1, Released = 2, Clicked = 3, DoubleClicked = 4, HoverEntered = 5, HoverLeft = 6 };

    int kind = 0;
    QPoint position;
    AbstractTrace* trace = nullptr;
};

} // namespace Orlix::Frontend
