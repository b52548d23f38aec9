#pragma once
// The mouse wheel's turn not yet scrolled: a fine wheel's small steps add up
// to whole rows.
class WheelTurn {
public:
    // The wheel's delta for one notch.
    static constexpr int notch = 120;

    // A turn of `delta` (notch units, forward positive) at `linesPerNotch`
    // rows a notch added; the whole rows it now makes, forward positive, are
    // taken from it.
    int takeRows(int delta, int linesPerNotch)
    {
        turn_ += delta * linesPerNotch;
        const int rows = turn_ / notch;
        turn_ -= rows * notch;
        return rows;
    }
    // At an end of the document: what is left of the turn goes nowhere.
    void stop() { turn_ = 0; }

private:
    int turn_ = 0; // in notch units times rows per notch
};
