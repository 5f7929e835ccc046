#pragma once

class TfMainFrm;

// Turns a command tag from a menu item, a toolbar button or a tree node into its command.
// Exit and the three view toggles have handlers of their own and do not come here; a
// tag without a command does nothing.
class TDispatcher {
public:
    explicit TDispatcher(TfMainFrm& frame) : frame_(frame) {}
    void Dispatch(int tag);

private:
    TfMainFrm& frame_;
};
