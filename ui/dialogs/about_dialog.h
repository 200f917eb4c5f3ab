#pragma once

#include <QDialog>

namespace tarnvale {

// Help, About: title, version, credits, release date and disclaimer. Modeless; OK, Enter and
// Esc close it and it is deleted, so each opening loads it afresh.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    // Reads the version texts from the main window's Ver and Ver_Date properties.
    explicit AboutDialog(const QObject& mainWindow);

  private:
    void buildLayout();
    void Form_Load(const QObject& mainWindow);
};

}  // namespace tarnvale
