// Records every message instead of showing a box, so tests can check the exact texts.
#pragma once

#include <string>
#include <vector>

#include "core/fields/messages.h"

namespace tolvex::testing {

class RecordingMessageSink : public MessageSink {
  public:
    using MessageSink::Show;
    void Show(const Message& message) override { messages.push_back(message); }

    // Returns the recorded texts and forgets them.
    std::vector<std::string> Take() {
        std::vector<std::string> out;
        for (const auto& m : messages) out.push_back(m.text);
        messages.clear();
        return out;
    }

    std::vector<Message> messages;
};

}  // namespace tolvex::testing
