// What the program says to the user. Calculations produce messages; the main window's
// message sink shows them (Qt message boxes in the program, a recorder in tests).
#pragma once

#include <string>

namespace tolvex {

struct Message {
    enum class Kind { Error, Warning, Information };
    std::string text;
    std::string caption;  // empty: the application's title
    Kind kind = Kind::Error;

    bool operator==(const Message&) const = default;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Show(const Message& message) = 0;
    void Show(std::string text, std::string caption = {}, Message::Kind kind = Message::Kind::Error) {
        Show(Message{std::move(text), std::move(caption), kind});
    }
};

}  // namespace tolvex
