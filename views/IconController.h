#ifndef FLOTILLA_VIEWS_ICONCONTROLLER_H
#define FLOTILLA_VIEWS_ICONCONTROLLER_H

#include <string>

// What the views ask of the application that owns them: to be told which
// object the user picked. The application's controller implements it, so the
// views never depend on the application itself.
class IconController {
public:
    virtual void select(const std::string& name) = 0;

protected:
    ~IconController() = default;
};

#endif
