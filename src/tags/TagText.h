#pragma once

#include <QByteArray>
#include <QString>

// Text rules shared by the tag classes, the file search and the tag editor.

// The text before the first NUL character, or the whole text when it holds none.
QString textBeforeNul(const QString& text);

// Bits of pathParts: folder (with its trailing separator), name without extension, extension.
enum PathPart { kPathFolder = 4, kPathName = 1, kPathExtension = 2 };

// The requested parts of `path`, in the order folder, name, extension; the extension is
// joined with "." when something stands before it.
QString pathParts(const QString& path, int parts);

// "_" and "%20" become blanks, every blank-separated word gets proper case, and the letter
// after any of [ ( { . / \ - is made upper case.
QString tidyTitle(const QString& text);

// First letter of every blank-separated word upper case, the rest lower case.
QString properCase(const QString& text);

// Flag of filterKey: digits only (plus the editing keys 8, 13, 27 and 46).
constexpr int kFilterDigits = 1;
// The key as typed when `flags` allows it, else 0 (discarded).
int filterKey(int key, int flags);

// Leading-number value of a text the way the editor reads track boxes: blanks skipped, an
// optional sign, then digits up to the first other character; 0 when there are none.
qint64 leadingNumber(const QString& text);

// The ID3v1 track box after a key release: "0" below 0, "255" above 255, else unchanged.
QString clampTrackText(const QString& text);

// Whether the whole (blank-trimmed) text is a decimal number.
bool isNumber(const QString& text);

// Removes leading and trailing blanks (0x20) only, unlike QString::trimmed.
QString trimBlanks(const QString& text);

// ISO-8859-1 bytes of `text`; each character that has no such byte becomes "?".
QByteArray toLatin1Lossy(const QString& text);
