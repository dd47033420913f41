#include "FuzzTargets.h"

#include <QDir>

#include <cstring>

QList<FuzzTargets::Target> FuzzTargets::all()
{
    return {{"fuzz_parse_main", parseMain},   {"fuzz_parse_preview", parsePreview},
            {"fuzz_parse_edit", parseEdit},   {"fuzz_parse_lib", parseLib},
            {"fuzz_config_xml", configXml},   {"fuzz_file_xml", fileXml},
            {"fuzz_thc_xml", thcXml},         {"fuzz_library", library},
            {"fuzz_editor_text", editorText}, {"fuzz_copy_names", copyNames}};
}

FuzzTargets::Body FuzzTargets::find(const char *name)
{
    for (const Target &t : all()) {
        if (std::strcmp(t.name, name) == 0)
            return t.body;
    }
    return nullptr;
}

bool FuzzTargets::prepareFolder()
{
    return QDir().mkpath(QStringLiteral(".tovrelcnc")) && QDir().mkpath(QStringLiteral("ravok/.tovrelcnc"));
}
