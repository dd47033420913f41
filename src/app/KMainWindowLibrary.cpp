// The part library's control: preview regeneration, moving and turning the
// selected pattern, adding custom files as patterns, and the optimised save.
#include "app/base/BasePath.h"
#include "app/KMainWindow.h"
#include "app/base/Notice.h"
#include "app/base/ProgramFile.h"
#include "library/KLibConfig.h"
#include "library/KLibFrame.h"
#include "library/KLibList.h"
#include "library/KLibSimuFrame.h"
#include "library/KLibTable.h"
#include "library/PattenList.h"
#include "program/KLibSimu.h"
#include "program/Parser.h"

#include <QFile>

bool KMainWindow::customFileCell() const
{
    const KLibTable *table = libFrame->libTable;
    return table->currentItem() && table->currentRow() == 0 && table->currentColumn() == 0;
}

void KMainWindow::libPreview()
{
    KLibSimu *libSimu = libFrame->simuFrame->simu;
    const QString name = libFrame->config()->writeTempFile();
    if (libSimu->parser->parseLib(name, 0.0, 0, 0) == 1)
        libSimu->draw();
    else
        qDebug("parse file error...");
}

void KMainWindow::changePatten()
{
    KLibConfig *config = libFrame->config();
    if (!customFileCell()) {
        config->changePatten();
        return;
    }
    libFileName = config->getLibFileName();
    reparseCustomFile(config->getFileIndex());
}

int KMainWindow::reparseCustomFile(int number)
{
    KLibConfig *config = libFrame->config();
    Parser *parser = libFrame->simuFrame->simu->parser;
    QFile file;
    if (!ProgramFile::open(file, libFileName, nullptr)) {
        qDebug("add patten file error...");
        return 0;
    }
    const int result = parser->parseLib(libFileName, config->getAngel(), number, config->getMirror());
    config->changeFileEnd(parser->getTotalX(), parser->getTotalY());
    file.close();
    if (result == 1)
        config->changePatten();
    else
        qDebug("add patten file error...");
    return result;
}

void KMainWindow::changeDefPatten()
{
    KLibConfig *config = libFrame->config();
    libFileName = config->getLibFileName();
    reparseCustomFile(config->getPattenCount());
}

void KMainWindow::addPatten()
{
    if (customFileCell()) {
        libFileName.clear();
        lib2preview();
        return;
    }
    libFrame->addPatten();
}

void KMainWindow::delPatten()
{
    libFrame->delPatten();
}

void KMainWindow::fileOptim(bool save)
{
    KLibSimu *libSimu = libFrame->simuFrame->simu;
    const int result = libSimu->parser->parseLib(basePath + "/.tovrelcnc/k.nc", 0.0, 0, 0);
    if (result == 1) {
        libSimu->draw();
    } else {
        // l.nc would still hold the previous program: nothing is saved, and
        // the operator who asked for the save learns why.
        qDebug("parse file error...");
        if (save)
            Notice::warning(libFrame->libTable, QStringLiteral("Brenlo"), libSimu->parser->lastFailure().text());
        return;
    }
    if (save)
        libFrame->libTable->saveAcc();
}

void KMainWindow::newLib()
{
    libSelList = false;
    libSetSel();
    libFrame->newLib();
}

void KMainWindow::setLibStep(double v)
{
    libStep = v;
}

void KMainWindow::setLibGrad(double v)
{
    libGrad = v;
}

void KMainWindow::libAddX()
{
    libFrame->config()->addX(libStep);
    changePatten();
}

void KMainWindow::libSubX()
{
    libFrame->config()->subX(libStep);
    changePatten();
}

void KMainWindow::libAddY()
{
    libFrame->config()->addY(libStep);
    changePatten();
}

void KMainWindow::libSubY()
{
    libFrame->config()->subY(libStep);
    changePatten();
}

void KMainWindow::libAddAngel()
{
    libFrame->config()->addAngel(libGrad);
    changePatten();
}

void KMainWindow::libSubAngel()
{
    libFrame->config()->subAngel(libGrad);
    changePatten();
}

void KMainWindow::addDefPatten(QString &chosen)
{
    // The browser passes its own member; keep a copy.
    const QString name = chosen;
    libFileName = name;
    KLibConfig *config = libFrame->config();
    // A 100th pattern has no record: refused before b100.nc is written or
    // pattern 99 renamed.
    if (config->getPattenCount() >= PattenList::kMaxPattens) {
        qDebug("add patten file error...");
        libFrame->showFullNotice();
        preview2lib();
        return;
    }
    // The library page tells why a program cannot become a pattern.
    QFile file;
    QString reason;
    if (!ProgramFile::open(file, name, &reason)) {
        qDebug("add patten file error...");
        Notice::warning(libFrame->libTable, QStringLiteral("Brenlo"), Parser::Failure{name, reason, false}.text());
        preview2lib();
        return;
    }
    KLibSimu *libSimu = libFrame->simuFrame->simu;
    Parser *parser = libSimu->parser;
    const int result = parser->parseLib(name, config->getAngel(), config->getPattenCount() + 1, config->getMirror());
    config->setFileEnd(parser->getTotalX(), parser->getTotalY());
    if (result == 1)
        libSimu->draw();
    else
        qDebug("parse file error...");
    config->setFileSize(libSimu->getPartWidth() * 100.0, libSimu->getPartHeight() * 100.0);
    file.close();
    if (result != 1) {
        qDebug("add patten file error...");
        Notice::warning(libFrame->libTable, QStringLiteral("Brenlo"), parser->lastFailure().text());
        preview2lib();
        return;
    }
    config->addPatten(libFrame->libTable->currentItem());
    config->setLibFileName(name);
    changeDefPatten();
    KLibList *list = libFrame->libList;
    list->addItem(name.section(QLatin1Char('/'), -1));
    list->setCurrentRow(config->getPattenCount() - 1);
    preview2lib();
}
