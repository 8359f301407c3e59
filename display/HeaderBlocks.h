#pragma once
#include <QByteArray>
#include <QByteArrayView>

// Writes to out the lines of an email that its header-only parse reads, with CR LF line ends made as
// NormalizeLineEnds makes them: a leading line break, the header up to and with the line that begins
// with CR, and every line that begins with "--" (a possible boundary) with the lines after it up to the
// next one that begins with CR (a part's header). Contents are left out, so parsing out finds the same
// fields and parts as parsing the whole normalised email, at the cost of its headers alone.
void CopyHeaderBlocks(QByteArrayView raw, QByteArray& out);
