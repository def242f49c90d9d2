#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gelvant {

// A modal message box with one OK button.
struct Message {
    std::string caption;
    std::string text;
    friend bool operator==(const Message&, const Message&) = default;
};

// Where the form's message boxes and the About box go: the desktop window
// shows them modally, the driver and the tests record them.
class MessagePresenter {
public:
    MessagePresenter() = default;
    MessagePresenter(const MessagePresenter&) = delete;
    MessagePresenter& operator=(const MessagePresenter&) = delete;
    virtual ~MessagePresenter() = default;

    // Returns when the user has closed the box.
    virtual void showMessage(const Message& message) = 0;
    virtual void showAbout() {}
};

// Keeps every message in the order raised.
class RecordingPresenter final : public MessagePresenter {
public:
    void showMessage(const Message& message) override { messages.push_back(message); }
    void showAbout() override { ++aboutBoxes; }

    std::vector<Message> messages;
    int aboutBoxes = 0;
};

} // namespace gelvant
