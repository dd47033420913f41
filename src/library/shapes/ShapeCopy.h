#ifndef SHAPECOPY_H
#define SHAPECOPY_H

// One copy of a shape as its contour function describes it: the copy's cell
// (W x H, the pitch of the array without the gap) and its moves in cutting
// order, before rotation and mirroring. x, y are the end point and i, j the arc
// centre, both relative to the move's start, in 0.01 mm.
class ShapeCopy
{
public:
    enum Code { Rapid = 0, Line = 1, ArcCW = 2, ArcCCW = 3, KerfOn = 41, KerfOff = 40 };
    struct Step {
        int code;
        int x;
        int y;
        int i;
        int j;
    };
    static constexpr int kMaxSteps = 64;

    int w = 0;
    int h = 0;

    void rapid(int x, int y) { add(Rapid, x, y, 0, 0); }
    void line(int x, int y) { add(Line, x, y, 0, 0); }
    void cw(int x, int y, int i, int j) { add(ArcCW, x, y, i, j); }
    void ccw(int x, int y, int i, int j) { add(ArcCCW, x, y, i, j); }
    // The kerf bracket: "G41" (or "G42" when mirrored) ... "G40".
    void kerfOn() { add(KerfOn, 0, 0, 0, 0); }
    void kerfOff() { add(KerfOff, 0, 0, 0, 0); }

    int size() const { return count_; }
    const Step &at(int k) const { return steps_[k]; }

private:
    void add(int code, int x, int y, int i, int j)
    {
        if (count_ < kMaxSteps)
            steps_[count_++] = {code, x, y, i, j};
    }

    int count_ = 0;
    Step steps_[kMaxSteps];
};

#endif
