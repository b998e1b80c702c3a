#pragma once

namespace quorvex {

// Creates, shows and unloads the one main window for the start-up procedure.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    // Creates the window when no instance exists yet.
    virtual void createWizard() = 0;
    // Runs the window's load handler, then shows it; errors of the load handler come back here.
    virtual void showWizard() = 0;
    // Closes and destroys the window, creating it first if there is none.
    virtual void unloadWizard() = 0;
};

}  // namespace quorvex
