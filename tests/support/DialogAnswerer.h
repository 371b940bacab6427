#pragma once
// Answers the next dialog of this very process from a second thread, while the
// test's own thread sits inside the modal call that showed it.
#include "Dialogs.h"

#include <functional>
#include <optional>
#include <thread>

class DialogAnswerer {
public:
    using Action = std::function<void(HWND dialog)>;

    // Presses the button once the dialog has been read.
    explicit DialogAnswerer(int commandId)
        : DialogAnswerer([commandId](HWND dialog) { PressButton(dialog, commandId); }) {}
    explicit DialogAnswerer(Action action)
        : worker_([this, action = std::move(action)] {
              if (const HWND dialog = WaitForDialog(GetCurrentProcessId(), std::chrono::seconds(20))) {
                  seen_ = ReadDialog(dialog);
                  action(dialog);
              }
          }) {}
    ~DialogAnswerer() { Finish(); }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // What the dialog showed, if one came; call after the modal call has returned.
    const std::optional<DialogContent>& Seen() {
        Finish();
        return seen_;
    }

private:
    void Finish() {
        if (worker_.joinable())
            worker_.join();
    }

    std::optional<DialogContent> seen_;
    std::thread worker_;
};
