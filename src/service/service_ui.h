// What the service chain asks of the window (or command) that runs it: messages and Yes/No
// questions (each with the cause of a failed request to show under it, or empty), a status line,
// a chance to let waiting window messages through, a pause between retries, and the transfer
// progress with its abort flag. Every hook may be left empty: a notice or status then goes
// nowhere, a question is answered No, a pause just sleeps.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "http_transport.h"

namespace zv {

struct ServiceUi {
    std::function<void(const std::string& text, const std::string& cause)> notify;   // a notice
    std::function<bool(const std::string& question, const std::string& cause)> ask;  // Yes/No; true for Yes
    std::function<void(const std::string& text)> status;                             // the current step
    std::function<void()> pump;                                                      // process waiting window messages
    std::function<void(int milliseconds)> wait;                                      // pause before a retry
    TransferHooks transfer;

    void say(const std::string& text, const std::string& cause = {}) const {
        if (notify) notify(text, cause);
    }
    bool yes(const std::string& question, const std::string& cause = {}) const { return ask && ask(question, cause); }
    void show(const std::string& text) const {
        if (status) status(text);
    }
    void processMessages() const {
        if (pump) pump();
    }
    void pause(int milliseconds) const {
        if (wait) {
            wait(milliseconds);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        }
    }
    bool aborted() const { return transfer.aborted && transfer.aborted(); }
};

}  // namespace zv
