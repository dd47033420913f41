#ifndef TOOLKITTRANSLATION_H
#define TOOLKITTRANSLATION_H

class QCoreApplication;

// The toolkit's own dialogs and buttons (folder and file choosers, standard
// message box buttons, column heads) speak English unless the toolkit's
// Chinese catalogue is loaded; the program's own texts are Chinese already.
class ToolkitTranslation
{
public:
    // Loads the catalogue from the toolkit's translations folder into the
    // application (which owns it); false, with a console line, when the
    // catalogue is not installed.
    static bool install(QCoreApplication *app);
};

#endif
