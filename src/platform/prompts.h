#pragma once

#include <string>

namespace quorvex {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Error, Question, Information, Warning };
enum class MessageAnswer { Ok, Yes, No, Closed };

// One modal message box. Every box of the program is titled "Quorvex".
struct MessageRequest {
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    // Yes is the default button of a Yes/No box unless this says No.
    bool defaultNo = false;
    std::string title = "Quorvex";
};

// The program's modal boxes and the system's restart prompt. The real implementation lives in
// the GUI (or the Win32 shell); tests use a fake, so no test can reach a real restart.
class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual MessageAnswer showMessage(const MessageRequest& request) = 0;
    // Offers to restart the computer; what happens next is the system's (or the user's) choice.
    virtual void offerRestart() = 0;
};

}  // namespace quorvex
