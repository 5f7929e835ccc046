#pragma once

#include <QString>

class QWidget;

// Every message the program shows goes through this routine, titled with one of the
// message texts ("Confirmation", "Caution").
namespace msgbox {
constexpr int Information = 1; // information icon, OK
constexpr int Question = 2;    // question icon, Yes and No
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace msgbox

// Kind 1 returns 1; kind 2 returns 6 for Yes and 7 for No (closing the box counts as No).
// The box is modal over the application.
int ShowMessage(const QString& title, const QString& text, int kind);

// Something that answers in place of the real boxes, for tests and scripted runs.
class TMessageResponder {
public:
    virtual ~TMessageResponder() = default;
    virtual int Answer(const QString& title, const QString& text, int kind) = 0;
};

// nullptr brings the real boxes back. The caller keeps ownership.
void SetMessageResponder(TMessageResponder* responder);
