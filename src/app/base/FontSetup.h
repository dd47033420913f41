#ifndef FONTSETUP_H
#define FONTSETUP_H

// The windows ask for "Simsun", "WenQuanYi Bitmap Song" and "Arial". Where a
// family is not installed, fontconfig's fallback can be a face whose Latin
// glyphs are much wider, and then values overflow the gaps the pages leave
// for them. These substitutes keep the widths the layouts were made for.
class FontSetup
{
public:
    static void installSubstitutes();
};

#endif
