// The part library's control: preview regeneration, moving and turning the
// selected pattern, adding custom files as patterns, and the optimised save.
#include "app/KMainWindow.h"
#include "app/base/FileNames.h"
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
#include "program/SegmentTable.h"

#include <QFile>

#include <algorithm>
#include <vector>

bool KMainWindow::customFileCell() const
{
    const KLibTable *table = libFrame->libTable;
    return table->currentItem() && table->currentRow() == 0 && table->currentColumn() == 0;
}

namespace {

// The library view's table as last drawn: a parse that fails part-way must
// not leave the view a table it never showed.
class DrawnTable
{
public:
    DrawnTable()
        : rows(libSegments, libSegments + kSegmentRows)
    {
    }
    void putBack() const { std::copy(rows.begin(), rows.end(), libSegments); }

private:
    std::vector<SegmentRecord> rows;
};

} // namespace

bool KMainWindow::writeLayout(FileFailure *failure)
{
    KLibConfig *config = libFrame->config();
    KLibSimu *libSimu = libFrame->simuFrame->simu;
    const QString name = config->writeTempFile();
    if (name.isEmpty()) {
        *failure = config->generator().lastFailure();
        return false;
    }
    const DrawnTable drawn;
    if (libSimu->parser->parseLib(name, 0.0, 0, 0) != 1) {
        qDebug("parse file error...");
        drawn.putBack();
        *failure = libSimu->parser->lastFailure();
        return false;
    }
    libSimu->draw();
    config->keepShownLayout();
    return true;
}

void KMainWindow::refuseLayout(const FileFailure &failure)
{
    libFrame->backToShownLayout();
    // k.nc as well, where the refused layout got as far as writing it.
    libFrame->config()->writeTempFile();
    // Told over the form that shows again what is on disk.
    Notice::warning(libFrame->libTable, QStringLiteral("Brenlo"), failure.text());
}

void KMainWindow::libPreview()
{
    FileFailure failure;
    if (!writeLayout(&failure))
        refuseLayout(failure);
}

void KMainWindow::changePatten()
{
    KLibConfig *config = libFrame->config();
    if (!customFileCell()) {
        config->changePatten();
        return;
    }
    libFileName = config->getLibFileName();
    // No custom file placed yet: nothing to read again, and nothing the
    // operator asked for went wrong.
    if (libFileName.isEmpty()) {
        qDebug("add patten file error...");
        return;
    }
    reparseCustomFile(config->getFileIndex());
}

int KMainWindow::reparseCustomFile(int number)
{
    KLibConfig *config = libFrame->config();
    Parser *parser = libFrame->simuFrame->simu->parser;
    QFile file;
    FileError reason;
    if (!ProgramFile::open(file, libFileName, &reason)) {
        qDebug("add patten file error...");
        refuseLayout({libFileName, reason, false});
        return 0;
    }
    const DrawnTable drawn;
    const int result = parser->parseLib(libFileName, config->getAngel(), number, config->getMirror());
    config->changeFileEnd(parser->getTotalX(), parser->getTotalY());
    file.close();
    if (result == 1)
        return config->changePatten() ? 1 : 0;
    qDebug("add patten file error...");
    drawn.putBack();
    refuseLayout(parser->lastFailure());
    return 0;
}

bool KMainWindow::changeDefPatten()
{
    KLibConfig *config = libFrame->config();
    libFileName = config->getLibFileName();
    return reparseCustomFile(config->getPattenCount()) == 1;
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

namespace {

// Whether the library program as parsed cuts anything at all.
bool cutsAnything(const SegmentRecord *table)
{
    for (int row = 0; row < kSegmentRows && table[row].type != SegType::End; ++row) {
        if (isCut(table[row].type))
            return true;
    }
    return false;
}

} // namespace

void KMainWindow::fileOptim(bool save)
{
    // A layout with no part, or with parts that cut nothing (no copy in
    // their arrays), is no program: saved, it would only empty the file
    // chosen, which may well be a program of the operator's. A layout with
    // no part is refused before anything is written.
    if (save && libFrame->config()->pattens().count() == 0) {
        libFrame->showEmptyNotice();
        return;
    }
    // The program saved is the layout on screen, written afresh: k.nc may
    // hold another one (an older session's, or one never written), and
    // whatever kept the last layout off the disk may be mended by now.
    FileFailure failure;
    if (writeLayout(&failure)) {
        if (save && !cutsAnything(libSegments))
            libFrame->showEmptyNotice();
        else if (save)
            libFrame->libTable->saveAcc();
        return;
    }
    // Nothing is saved, and the operator who asked for the save learns why.
    if (save)
        Notice::warning(libFrame->libTable, QStringLiteral("Brenlo"), failure.text());
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
    // Why a program cannot become a pattern goes to the console: the
    // library page has no message line, and takes no box for it.
    QFile file;
    FileError reason;
    if (!ProgramFile::open(file, name, &reason)) {
        qDebug("add patten file error...");
        const QString why = FileFailure{name, reason, false}.text();
        qDebug("%s", qPrintable(why));
        preview2lib();
        return;
    }
    KLibSimu *libSimu = libFrame->simuFrame->simu;
    Parser *parser = libSimu->parser;
    const DrawnTable drawn;
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
        qDebug("%s", qPrintable(parser->lastFailure().text()));
        drawn.putBack();
        preview2lib();
        return;
    }
    config->addPatten(libFrame->libTable->currentItem());
    config->setLibFileName(name);
    // A pattern whose layout could not be written is gone again.
    if (!changeDefPatten()) {
        preview2lib();
        return;
    }
    KLibList *list = libFrame->libList;
    list->addItem(FileNames::shown(name.section(QLatin1Char('/'), -1)));
    list->setCurrentRow(config->getPattenCount() - 1);
    preview2lib();
}
