#pragma once
// Whether typing and Paste overwrite the bytes under the cursor or insert
// new ones before it. The shell keeps the choice among its settings.
class TypingMode {
public:
    bool inserting() const { return inserting_; }
    void setInserting(bool on) { inserting_ = on; }
    // Insert mode on or off; the mode it is in now, for the shell to store.
    bool toggle()
    {
        inserting_ = !inserting_;
        return inserting_;
    }

private:
    bool inserting_ = false;
};
