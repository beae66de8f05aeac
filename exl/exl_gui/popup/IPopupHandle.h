#pragma once

namespace exl
{
// What a popup's content may do to the popup that holds it.
class IPopupHandle
{
public:
    virtual ~IPopupHandle() = default;

    virtual void setSize (int width, int height) = 0;
    virtual void destroy() = 0;
    [[nodiscard]] virtual bool isValid() = 0;
};
} // namespace exl
