// What the program says to the user. Calculations produce messages; the main window's
// message sink shows them (Qt message boxes in the program, a recorder in tests).
#pragma once

#include <string>

namespace tolvex {

struct Message {
    // Warning: the user's input or the system refused something; Information: a notice;
    // Error: a fault of the program itself, an error no handler caught.
    enum class Kind { Error, Warning, Information };
    std::string text;
    std::string caption;  // empty: the application's title
    Kind kind = Kind::Warning;

    bool operator==(const Message&) const = default;
};

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void Show(const Message& message) = 0;
    void Show(std::string text, std::string caption = {}, Message::Kind kind = Message::Kind::Warning) {
        Show(Message{std::move(text), std::move(caption), kind});
    }
};

}  // namespace tolvex
