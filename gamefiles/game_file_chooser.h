#pragma once
// What saving and loading a game need from the file chooser, so they run without a window.

#include <string>

namespace orvane {

class GameFileChooser {
  public:
    virtual ~GameFileChooser() = default;

    virtual void setCaption(const std::string& caption) = 0;
    // Read-only for loading, where the name may only be picked from the list.
    virtual void setNameReadOnly(bool readOnly) = 0;
    virtual void setNameText(const std::string& text) = 0;
    // Shows the chooser modally and returns once it is closed.
    virtual void showModal() = 0;

    // Whether the last showing ended through Ok.
    virtual bool chosen() const = 0;
    // The folder whose files the chooser lists, as a full path.
    virtual std::string folder() const = 0;
    virtual std::string nameText() const = 0;
    // Whether the name field still holds the mask "*" it starts with, neither typed nor picked.
    virtual bool nameIsUntouchedMask() const = 0;
};

} // namespace orvane
