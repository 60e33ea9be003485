#include "core/language/problem_texts.h"

#include "core/language/language_keys.h"

namespace tabulo {

QString fileProblemText(const FileResult &result, const LanguageTextLookup &text)
{
    return result.ok ? QString() : fileProblemText(result.problem, text, result.limit);
}

QString fileProblemText(FileProblem problem, const LanguageTextLookup &text, qint64 limit)
{
    switch (problem) {
    case FileProblem::None:
        return {};
    case FileProblem::NotFound:
        return text(LanguageKeys::fileNotFound);
    case FileProblem::PermissionDenied:
        return text(LanguageKeys::filePermissionDenied);
    case FileProblem::IsFolder:
        return text(LanguageKeys::fileIsFolder);
    case FileProblem::NotAFolder:
        return text(LanguageKeys::fileNotAFolder);
    case FileProblem::DiskFull:
        return text(LanguageKeys::fileDiskFull);
    case FileProblem::ReadOnly:
        return text(LanguageKeys::fileReadOnly);
    case FileProblem::BinaryData:
        return text(LanguageKeys::fileBinaryData);
    case FileProblem::TooLarge:
        return text(LanguageKeys::fileTooLarge).arg(limit / (1024 * 1024));
    case FileProblem::LineTooLong:
        return text(LanguageKeys::fileLineTooLong).arg(limit);
    case FileProblem::ReadFailed:
        return text(LanguageKeys::fileReadFailed);
    case FileProblem::WriteFailed:
        return text(LanguageKeys::fileWriteFailed);
    }
    return text(LanguageKeys::fileWriteFailed);
}

} // namespace tabulo
