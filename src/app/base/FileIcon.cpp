#include "app/base/FileIcon.h"

#include "app/base/ProgramFile.h"

#include <QByteArray>

#include <QIconEngine>
#include <QPainter>

namespace {

class LazyFileEngine : public QIconEngine
{
public:
    explicit LazyFileEngine(const QString &path)
        : path_(path)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }

    QIconEngine *clone() const override { return new LazyFileEngine(*this); }

    void virtual_hook(int id, void *data) override
    {
        switch (id) {
        case QIconEngine::AvailableSizesHook: {
            auto *arg = static_cast<QIconEngine::AvailableSizesArgument *>(data);
            arg->sizes = icon().availableSizes(arg->mode, arg->state);
            break;
        }
        default:
            QIconEngine::virtual_hook(id, data);
            break;
        }
    }

private:
    const QIcon &icon()
    {
        if (!loaded_) {
            if (path_.startsWith(QLatin1Char(':'))) {
                icon_ = QIcon(path_);
            } else {
                const QPixmap picture = FileIcon::pixmap(path_);
                if (!picture.isNull())
                    icon_ = QIcon(picture);
            }
            loaded_ = true;
        }
        return icon_;
    }

    QString path_;
    QIcon icon_;
    bool loaded_ = false;
};

} // namespace

QPixmap FileIcon::pixmap(const QString &path)
{
    // Far beyond any key's picture.
    constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
    // The compiled-in pictures are in memory: nothing there can wait.
    if (path.startsWith(QLatin1Char(':')))
        return QPixmap(path);
    QByteArray bytes;
    QPixmap picture;
    if (ProgramFile::read(path, &bytes, nullptr, kMaxBytes))
        picture.loadFromData(bytes);
    return picture;
}

QIcon FileIcon::make(const QString &path)
{
    if (path.isEmpty())
        return QIcon();
    return QIcon(new LazyFileEngine(path));
}
