#ifndef GLSTACK_H
#define GLSTACK_H

// Nothing here draws with OpenGL, yet under X the toolkit loads its OpenGL
// stack at start-up, about half of the program's memory. Called before the
// application object exists, this keeps it unloaded unless the user chose
// an integration in QT_XCB_GL_INTEGRATION (xcb_glx, xcb_egl).
class GlStack
{
public:
    static void offUnlessAsked();
};

#endif
