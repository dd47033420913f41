#ifndef FUZZINPUT_H
#define FUZZINPUT_H

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// A cursor over a fuzz input. Reads past the end give zeros and empty texts,
// so every input, however short, is a complete case.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }

    // The whole input, not copied.
    QByteArray bytes() const { return QByteArray::fromRawData(reinterpret_cast<const char *>(data_), int(size_)); }
    // Byte `at` of the input without moving the cursor.
    std::uint8_t peek(std::size_t at) const { return at < size_ ? data_[at] : 0; }

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint16_t word() { return std::uint16_t(byte() | (byte() << 8)); }
    // A length byte (up to maxLength), then that many Latin-1 characters.
    QString text(int maxLength)
    {
        const int length = byte() % (maxLength + 1);
        QString out;
        for (int k = 0; k < length && pos_ < size_; ++k)
            out += QChar(byte());
        return out;
    }
    bool atEnd() const { return pos_ >= size_; }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

#endif
