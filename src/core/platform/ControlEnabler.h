#pragma once

// The controls of a window, by control id, as far as the core enables and disables them
// (the bidding box's calls, the navigation buttons).
class IControlEnabler {
public:
    virtual ~IControlEnabler() = default;
    virtual void EnableControl(unsigned controlId, bool enable) = 0;
};
