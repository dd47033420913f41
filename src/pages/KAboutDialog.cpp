#include "pages/KAboutDialog.h"

#include "app/base/BasePath.h"
#include "app/base/FileIcon.h"
#include "app/base/ProgramFile.h"

#include <QByteArray>
#include <QIcon>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

KAboutDialog::KAboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setFont(QFont(QStringLiteral("WenQuanYi Bitmap Song"), 10));
    setWindowTitle(QStringLiteral("关于Brenlo"));
    setWindowIcon(FileIcon::make(basePath + QStringLiteral("/ravok/icon/tovrel.png")));

    boxLayout = new QVBoxLayout(this);
    boxLayout->setSpacing(6);
    boxLayout->setContentsMargins(9, 9, 9, 9);
    textEdit = new QTextEdit(this);
    textEdit->setReadOnly(true);

    QByteArray bytes;
    if (ProgramFile::read(basePath + QStringLiteral("/ravok/about"), &bytes, nullptr)) {
        bytes.replace("\r\n", "\n");
        const int nul = bytes.indexOf('\0');
        if (nul >= 0)
            bytes.truncate(nul);
        textEdit->setPlainText(tr(bytes.constData()));
    }

    boxLayout->addWidget(textEdit);
    okButton = new QPushButton(QStringLiteral("确定"), this);
    boxLayout->addWidget(okButton);
    connect(okButton, SIGNAL(clicked()), this, SLOT(reject()));
}
