#pragma once
// Questions and messages put to the user: the one way every core flow asks
// or tells. Wide text, as a file's name may be in any script. The shell shows
// message boxes owned by the editor's window; tests record them.
#include <string>
#include <string_view>

enum class Answer { yes, no, cancel };

// What a message is, and so its icon.
enum class Notice { error, warning, information, plain };

struct Message {
    Notice notice = Notice::error;
    std::wstring text;
    std::wstring caption = L"Error";
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // A question with Yes and No, and Cancel when `cancellable`, captioned "Nibblor".
    virtual Answer ask(std::wstring_view question, bool cancellable) = 0;
    // A message with only OK.
    virtual void tell(const Message& message) = 0;
};

// Core texts are UTF-8 (mostly ASCII): their wide form for a message.
std::wstring wideFromUtf8(std::string_view text);
// A failure the user must know of: caption "Error", the error icon.
Message errorMessage(std::string_view utf8);
Message errorMessage(std::wstring text);
// A warning with its own caption ("Invalid data", say).
Message warningMessage(std::string_view utf8, std::string_view caption);
// Word of what was done, with its own caption.
Message informationMessage(std::string_view utf8, std::string_view caption);
