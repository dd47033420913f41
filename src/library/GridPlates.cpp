#include "library/GridPlates.h"

#include "library/LibOutput.h"
#include "library/PattenRecord.h"

#include <algorithm>

namespace {

enum class Diagonal { Rising, Level, Falling };

// Writes the lines of one grid. The machine's program alternates axes: a
// counter P decides whether a one-axis line runs along X (odd, edge length b)
// or Y (even, edge length c), and every cut and one-axis rapid moves it on.
class GridWriter
{
public:
    GridWriter(int a, int b, int c, long long nx, long long ny, LibOutput &out)
        : a_(a)
        , b_(b)
        , c_(c)
        , nx_(nx)
        , ny_(ny)
        , m_(nx + ny - 1)
        , out_(out)
    {
    }

    void writeDiagonals()
    {
        for (long long k = 1; k <= m_; ++k) {
            switch (kind(k)) {
            case Diagonal::Rising:
                rising(k);
                break;
            case Diagonal::Level:
                level(k);
                break;
            case Diagonal::Falling:
                falling(k);
                break;
            }
        }
    }

    void writeReturn()
    {
        const long long a = a_;
        if (nx_ == 1 && ny_ % 2 == 0) {
            out_ << "G00 Y" << -c_ * ny_;
            out_.endl();
        } else if (ny_ == 1 && nx_ % 2 == 1) {
            rapidXY(-b_ * nx_ - a, a);
        } else {
            rapidXY(-b_ * nx_, -c_ * ny_);
            if (nx_ % 2 == ny_ % 2) {
                out_ << "G00 X" << -2 * a;
                out_.endl();
            } else {
                rapidXY(-a, -a);
            }
        }
    }

private:
    // Plates on diagonal k.
    long long plates(long long k) const
    {
        if (k <= 0)
            return 0;
        return std::min({k, m_ + 1 - k, std::min(nx_, ny_)});
    }

    Diagonal kind(long long k) const
    {
        const long long now = plates(k);
        const long long before = plates(k - 1);
        if (now > before)
            return Diagonal::Rising;
        if (now == before)
            return Diagonal::Level;
        return Diagonal::Falling;
    }

    const char *axis() const { return (p_ & 1) ? "X" : "Y"; }
    long long edge() const { return (p_ & 1) ? b_ : c_; }

    void cut(long long value)
    {
        out_ << "G01 " << axis() << value;
        out_.endl();
        ++p_;
    }

    // A value written as one sign character, "-" or a blank, and a magnitude.
    // For a negative value the character flips, so the line still means the
    // same move.
    void cutSigned(bool minus, long long value)
    {
        out_ << "G01 " << axis();
        if (value < 0) {
            minus = !minus;
            value = -value;
        }
        out_ << (minus ? "-" : " ") << value;
        out_.endl();
        ++p_;
    }

    void rapidAlong()
    {
        out_ << "G00 " << axis() << edge();
        out_.endl();
        ++p_;
    }

    void rapidXY(long long x, long long y)
    {
        out_ << "G00 X" << x << "Y" << y;
        out_.endl();
    }

    void rising(long long k)
    {
        const long long n = 2 * plates(k) + 2;
        long long s = 1;
        cut(a_);
        for (long long j = 1; j <= n; ++j) {
            if (j <= 2) {
                cut(edge());
            } else if (j >= n - 1) {
                cut(-edge());
            } else {
                cutSigned(s % 2 == 1, edge());
                ++s;
            }
        }
        cut(-static_cast<long long>(a_));
        transitionAfterRising(k);
    }

    void level(long long k)
    {
        const long long n = 2 * plates(k) + 1;
        const bool leadMinus = s2_ % 2 == 0;
        cutSigned(leadMinus, a_);
        for (long long j = 1; j <= n; ++j) {
            if (j == 1) {
                cut(edge());
            } else if (j == n) {
                cut(-edge());
            } else {
                cutSigned(s3_ % 2 == 0, edge());
                ++s3_;
            }
        }
        cutSigned(leadMinus, a_);
        ++s2_;
        transitionAfterLevel(k);
    }

    void falling(long long k)
    {
        const long long n = 2 * plates(k);
        cut(-static_cast<long long>(a_));
        for (long long j = 1; j <= n; ++j)
            cutSigned(j % 2 == 0, edge());
        cut(a_);
        rapidAlong();
    }

    void transitionAfterRising(long long k)
    {
        if (k < m_) {
            const Diagonal next = kind(k + 1);
            if (nx_ == ny_) {
                if (next == Diagonal::Falling)
                    return crossRapid();
            } else if (next == Diagonal::Level) {
                const bool skip = (ny_ % 2 == 1 && nx_ != 1 && nx_ > ny_) || (nx_ % 2 == 0 && nx_ < ny_);
                if (!skip) {
                    ++s2_;
                    ++s3_;
                    return crossRapid();
                }
            }
        }
        rapidAlong();
    }

    void transitionAfterLevel(long long k)
    {
        if (k < m_ && kind(k + 1) == Diagonal::Falling) {
            const bool skip = (nx_ % 2 == 0 && nx_ > ny_) || (nx_ < ny_ && ny_ % 2 == 1);
            if (!skip)
                return crossRapid();
        }
        rapidAlong();
    }

    void crossRapid() { rapidXY(static_cast<long long>(b_) + a_, static_cast<long long>(c_) + a_); }

    const long long a_;
    const long long b_;
    const long long c_;
    const long long nx_;
    const long long ny_;
    const long long m_;
    LibOutput &out_;
    long long p_ = 1;  // axis counter
    long long s2_ = 1; // sign of the level diagonals' leads
    long long s3_ = 1; // sign of the level diagonals' inner edges
};

} // namespace

long long GridPlates::write(int a, int b, int c, int countX, int countY, LibOutput &out)
{
    // Fewer than one plate a side would leave diagonals without plates and a
    // stray cut; such a grid is cut as one plate.
    const long long nx = std::max(countX, 1);
    const long long ny = std::max(countY, 1);
    GridWriter writer(a, b, c, nx, ny, out);
    writer.writeDiagonals();
    writer.writeReturn();
    const long long extent = static_cast<long long>(b) * nx + 2LL * a;
    out << "G00 X" << extent;
    out.endl();
    return extent;
}

// The plate edges, 2 nx ny + nx + ny, are one line each; every diagonal
// (nx + ny - 1 of them) adds two leads and a transition, and the return and
// extent take at most three more. No line is longer than 48 bytes.
double GridPlates::textBound(int countX, int countY)
{
    const double nx = std::max(countX, 1);
    const double ny = std::max(countY, 1);
    return 48.0 * (2.0 * nx * ny + 4.0 * (nx + ny) + 4.0);
}

bool GridPlates::write(patten_t &p, LibOutput &out)
{
    if (p.deleted)
        return true;
    if (!out.fits(textBound(p.countX, p.countY)))
        return false;
    p.extentX = static_cast<int>(write(p.a, p.b, p.c, p.countX, p.countY, out));
    return true;
}
