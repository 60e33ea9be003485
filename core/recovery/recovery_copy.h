#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tabulo {

// What a recovery copy holds: the text of a note with unsaved changes and
// the file it belongs to, so that a crash, a kill or a power cut never costs
// the user what they typed. The copy file reads
//   Tabulo recovery copy 1           CR LF
//   file <the note's file>           CR LF   (percent-encoded bytes of the
//                                             path; nothing after "file "
//                                             for a note without a file)
//   text <bytes of the text>         CR LF
//                                    CR LF
//   <the text in UTF-8, its lines ended by CR LF>
// The byte count makes a copy cut short (a full disk, a damaged file system)
// show as damaged rather than pass for the whole text, as bytes that are
// not UTF-8 do.
struct RecoveryCopy
{
    QString noteFile; // empty: the note has no file of its own
    QString text;

    bool operator==(const RecoveryCopy &) const = default;

    QByteArray format() const;
    // Nothing when the bytes are not a whole copy in this format.
    static std::optional<RecoveryCopy> parse(QByteArrayView bytes);
};

} // namespace tabulo
