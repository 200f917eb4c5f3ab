#include "ui/toolkit/saved_text.h"

#include <QFile>

#include "ui/toolkit/alerts.h"

namespace tarnvale {

bool saveText(const QString& path, const std::string& text, Alerts& alerts) {
    QFile file(path);
    const auto size = static_cast<qint64>(text.size());
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                       file.write(text.data(), size) == size && file.flush();
    if (!saved) {
        alerts.warn(
            QString("The results could not be saved to %1: %2").arg(path, file.errorString()),
            "Save Results");
    }
    return saved;
}

QString counted(qsizetype count, const char* one, const char* many) {
    return QString("%1 %2").arg(count).arg(count == 1 ? one : many);
}

}  // namespace tarnvale
