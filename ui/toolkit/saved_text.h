#pragma once

#include <QString>
#include <string>

namespace tarnvale {

class Alerts;

// Writes `text` to the file at `path`, replacing it. A file that cannot be written is said in a
// warning titled "Save Results", and the result is false.
bool saveText(const QString& path, const std::string& text, Alerts& alerts);

// "1 row", "2 rows": a count and the word for it.
QString counted(qsizetype count, const char* one, const char* many);

}  // namespace tarnvale
