#pragma once
#include <QByteArray>
#include <QByteArrayView>

// True when the bytes before the first zero byte contain a CR LF pair.
bool HasCrLfBeforeNul(QByteArrayView data);

// What NormalizeLineEnds does to an email: nothing when it has a CR LF pair before its first zero byte, else
// a CR before every bare LF, or, when there is no bare LF, an LF after every CR.
enum class LineEndFix { None, CrBeforeBareLf, LfAfterCr };
LineEndFix LineEndFixOf(QByteArrayView data);

// Copy of data with a CR written before every LF whose preceding byte is not CR (an LF at offset 0
// counts as not preceded); inserted tells whether any CR was written.
QByteArray InsertCrBeforeBareLf(const QByteArray& data, bool& inserted);

// Copy of data with an LF written after every CR; inserted tells whether any LF was written.
QByteArray InsertLfAfterCr(const QByteArray& data, bool& inserted);

// Makes LF and CR-only line ends CR LF: bare LFs get a CR first; when there was none, every CR gets an LF.
void NormalizeLineEnds(QByteArray& data);
