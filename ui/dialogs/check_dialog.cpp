#include "ui/dialogs/check_dialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "engine/band_table.h"
#include "engine/carrier.h"
#include "engine/gscn.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "ui/spectrum/carrier_picture.h"
#include "ui/toolkit/alerts.h"
#include "ui/toolkit/fonts.h"

namespace tarnvale {
namespace {

using namespace cell_field;

// The box of each field, in the order a configuration lists them.
struct FieldBox {
    CellField field;
    const char* name;
    const char* caption;
    bool spacing;  // a list of subcarrier spacings rather than a text box
};

constexpr FieldBox kBoxes[] = {
    {kPointA, "txtPointA", "absoluteFrequency&PointA:", false},
    {kOffsetToCarrier, "txtOffsetToCarrier", "offsetTo&Carrier:", false},
    {kCarrierBandwidth, "txtCarrierRbs", "carrierBand&width (RBs):", false},
    {kSubcarrierSpacing, "cboCheckScs", "subcarrierS&pacing:", true},
    {kSsbArfcn, "txtSsbArfcn", "absoluteFrequency&SSB:", false},
    {kSsbSubcarrierSpacing, "cboCheckSsbScs", "ssbSubcarrierSpac&ing:", true},
    {kKssb, "txtKssb", "&k_SSB:", false},
    {kOffsetToPointA, "txtOffsetToPointA", "offsetToPoint&A:", false},
    {kCoreset0, "txtCoreset0", "controlResourceSet&Zero:", false},
    {kSearchSpaceZero, "txtSearchSpaceZero", "searchSpaceZ&ero:", false},
};

constexpr const char* kSpacings[] = {"", "15", "30", "60", "120", "240", "480", "960"};

std::string keyOf(const CellField& field) {
    return std::string(field.part) + "/" + std::string(field.name);
}

QString textOf(const QWidget* box) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(box)) {
        return edit->text();
    }
    return qobject_cast<const QComboBox*>(box)->currentText();
}

void setTextOf(QWidget* box, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->setText(text);
        return;
    }
    auto* list = qobject_cast<QComboBox*>(box);
    const QSignalBlocker quiet(list);
    if (list->findText(text) < 0) {
        list->addItem(text);  // a spacing no band has, as a file gave it
    }
    list->setCurrentIndex(list->findText(text));
}

QString problemLine(const ConfigProblem& problem) {
    QString line = toQString(problem.field.name) + ": ";
    line += problem.given.empty() ? "missing" : toQString(problem.given) + " given";
    if (!problem.consistent.empty()) {
        line += ", " + toQString(problem.consistent) + " consistent";
    }
    return line + " (" + toQString(problem.why) + ")";
}

}  // namespace

CheckDialog::CheckDialog(Alerts& alerts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint),
      alerts_(alerts),
      numbers_(QLocale()) {
    setObjectName("frmCheck");
    setWindowTitle("Check Configuration");
    setFont(windowFont());
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    buildLayout();
    openPath_ = [this] {
        return QFileDialog::getOpenFileName(this, "Open Configuration", QString(),
                                            "gNB configurations (*.conf);;All files (*)");
    };
    check();
    txtCheckBand_->setFocus();
}

QWidget* CheckDialog::buildFields() {
    auto* group = new QGroupBox("Fields", this);
    group->setObjectName("grpCheckFields");
    auto* form = new QFormLayout(group);
    txtCheckBand_ = new QLineEdit(group);
    txtCheckBand_->setObjectName("txtCheckBand");
    txtCheckBand_->setAccessibleName("Band");
    txtCheckBand_->setPlaceholderText("e.g. n78");
    form->addRow("&Band:", txtCheckBand_);
    connect(txtCheckBand_, &QLineEdit::textEdited, this, &CheckDialog::edited);
    for (const auto& box : kBoxes) {
        QWidget* field = nullptr;
        if (box.spacing) {
            auto* list = new QComboBox(group);
            for (const char* spacing : kSpacings) {
                list->addItem(spacing);
            }
            connect(list, &QComboBox::activated, this, &CheckDialog::edited);
            field = list;
        } else {
            auto* edit = new QLineEdit(group);
            edit->setPlaceholderText("not given");
            connect(edit, &QLineEdit::textEdited, this, &CheckDialog::edited);
            field = edit;
        }
        // Room for the widest number a field takes, an NR-ARFCN, and the hint.
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance("not given") + 24);
        field->setObjectName(box.name);
        field->setAccessibleName(toQString(box.field.name));
        form->addRow(box.caption, field);
        fields_[keyOf(box.field)] = field;
    }
    return group;
}

void CheckDialog::buildLayout() {
    auto* open = new QPushButton("&Open...", this);
    open->setObjectName("cmdCheckOpen");
    open->setAutoDefault(false);
    cboCheckCell_ = new QComboBox(this);
    cboCheckCell_->setObjectName("cboCheckCell");
    cboCheckCell_->setAccessibleName("Cell of the file");
    cboCheckCell_->setEnabled(false);
    auto* file = new QHBoxLayout;
    file->addWidget(open);
    file->addWidget(cboCheckCell_, 1);

    lstProblems_ = new QListWidget(this);
    lstProblems_->setObjectName("lstProblems");
    lstProblems_->setAccessibleName("Problems");
    lstProblems_->setWordWrap(true);
    lstProblems_->setAlternatingRowColors(true);
    cmdApply_ = new QPushButton("A&pply", this);
    cmdApply_->setObjectName("cmdCheckApply");
    cmdApply_->setAutoDefault(false);
    cmdOpenInCarrier_ = new QPushButton("Open in &Carrier window", this);
    cmdOpenInCarrier_->setObjectName("cmdCheckCarrier");
    cmdOpenInCarrier_->setAutoDefault(false);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("cmdCheckClose");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    picCheck_ = new CarrierPicture(this);
    picCheck_->setObjectName("picCheck");
    lblCheckStatus_ = new QLabel(this);
    lblCheckStatus_->setObjectName("lblCheckStatus");
    lblCheckStatus_->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addLayout(file);
    left->addWidget(buildFields());
    left->addStretch(1);
    auto* problems = new QGroupBox("Problems", this);
    auto* problemsLayout = new QVBoxLayout(problems);
    problemsLayout->addWidget(lstProblems_, 1);
    auto* applyRow = new QHBoxLayout;
    applyRow->addStretch(1);
    applyRow->addWidget(cmdApply_);
    problemsLayout->addLayout(applyRow);
    auto* right = new QVBoxLayout;
    right->addWidget(problems, 1);
    right->addWidget(picCheck_, 0, Qt::AlignHCenter);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblCheckStatus_, 1);
    buttons->addWidget(cmdOpenInCarrier_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(open, &QPushButton::clicked, this, &CheckDialog::openFile);
    connect(cboCheckCell_, &QComboBox::activated, this, &CheckDialog::showFileCell);
    connect(lstProblems_, &QListWidget::currentRowChanged, this, &CheckDialog::markField);
    connect(lstProblems_, &QListWidget::itemDoubleClicked, this, &CheckDialog::apply);
    connect(cmdApply_, &QPushButton::clicked, this, &CheckDialog::apply);
    connect(cmdOpenInCarrier_, &QPushButton::clicked, this, &CheckDialog::openInCarrierWindow);
}

void CheckDialog::showCell(const GivenCell& cell) {
    form_.load(cell);
    fileProblems_.clear();
    txtCheckBand_->setText(toQString(form_.bandText()));
    for (const auto& box : kBoxes) {
        setTextOf(fields_.at(keyOf(box.field)), toQString(form_.text(box.field)));
    }
    check();
}

// A keystroke in any box: the form takes every field as it stands, and what the file lacked
// is the user's to mend now.
void CheckDialog::edited() {
    fileProblems_.clear();
    form_.setBand(txtCheckBand_->text().toStdString());
    for (const auto& box : kBoxes) {
        form_.set(box.field, textOf(fields_.at(keyOf(box.field))).toStdString());
    }
    check();
}

void CheckDialog::check() {
    const auto result = form_.check();
    problems_ = fileProblems_;
    problems_.insert(problems_.end(), result.problems.begin(), result.problems.end());
    showProblems();
    showPicture(result.cell);
}

void CheckDialog::showProblems() {
    const QSignalBlocker quiet(lstProblems_);
    lstProblems_->clear();
    for (const auto& problem : problems_) {
        lstProblems_->addItem(problemLine(problem));
    }
    if (problems_.empty()) {
        auto* none = new QListWidgetItem("No problem: these fields make a consistent cell.");
        none->setFlags(Qt::ItemIsEnabled);
        lstProblems_->addItem(none);
    }
    lblCheckStatus_->setText(problems_.empty() ? QString("No problem")
                             : problems_.size() == 1
                                 ? QString("1 problem")
                                 : QString("%1 problems").arg(problems_.size()));
    cmdOpenInCarrier_->setEnabled(problems_.empty());
    markField();
}

void CheckDialog::markField() {
    const int row = lstProblems_->currentRow();
    const bool chosen = row >= 0 && row < static_cast<int>(problems_.size());
    const std::string marked = chosen ? keyOf(problems_[static_cast<std::size_t>(row)].field) : "";
    for (const auto& [key, field] : fields_) {
        field->setStyleSheet(key == marked ? "background-color: #ffe0c0;" : "");
    }
    txtCheckBand_->setStyleSheet(chosen && problems_[static_cast<std::size_t>(row)].field ==
                                               cell_field::kBand
                                     ? "background-color: #ffe0c0;"
                                     : "");
    cmdApply_->setEnabled(chosen && fields_.contains(marked) &&
                          parseChannel(problems_[static_cast<std::size_t>(row)].consistent));
}

// The consistent value of the chosen problem into its field, and the fields checked again.
void CheckDialog::apply() {
    const int row = lstProblems_->currentRow();
    if (row < 0 || row >= static_cast<int>(problems_.size())) {
        return;
    }
    const auto problem = problems_[static_cast<std::size_t>(row)];
    if (!form_.apply(problem)) {
        alerts_.beep();
        return;
    }
    setTextOf(fields_.at(keyOf(problem.field)), toQString(problem.consistent));
    edited();
}

void CheckDialog::openFile() {
    const QString path = openPath_();
    if (path.isEmpty()) {
        return;
    }
    try {
        fileCells_ = readOaiConfig(path.toStdString());
    } catch (const ConfigFileError& error) {
        alerts_.warn(QString::fromStdString(error.what()), "Open Configuration");
        return;
    }
    {
        const QSignalBlocker quiet(cboCheckCell_);
        cboCheckCell_->clear();
        for (const auto& cell : fileCells_) {
            cboCheckCell_->addItem(toQString(cell.name));
        }
        cboCheckCell_->setEnabled(fileCells_.size() > 1);
    }
    if (fileCells_.empty()) {
        lblCheckStatus_->setText(path + " has no cell");
        return;
    }
    showFileCell(0);
}

void CheckDialog::showFileCell(int index) {
    const auto& cell = fileCells_.at(static_cast<std::size_t>(index));
    {
        const QSignalBlocker quiet(cboCheckCell_);
        cboCheckCell_->setCurrentIndex(index);
    }
    if (cell.fields) {
        showCell(*cell.fields);
    }
    fileProblems_ = cell.problems;
    check();
}

void CheckDialog::showPicture(const CheckedCell& cell) {
    const auto band = form_.band();
    if (!band) {
        picCheck_->showNoBand("No NR band given");
        return;
    }
    CarrierView view;
    if (cell.channel) {
        view.channel = khzOf(*cell.channel);
        view.downlinkCarrier = view.channel;
    }
    if (cell.transmission) {
        view.transmission = khzOf(*cell.transmission);
    }
    view.pointA = cell.pointAKhz;
    if (cell.ssb) {
        view.selectedSsb = khzOf(*cell.ssb);
        view.ssbOutside = !cell.ssbInside;
    }
    if (cell.coreset0) {
        view.coreset0 = khzOf(*cell.coreset0);
    }
    picCheck_->showView(*band, view);
}

void CheckDialog::openInCarrierWindow() {
    const auto band = form_.band();
    const auto number = [this](const CellField& field) { return parseChannel(form_.text(field)); };
    const auto pointA = number(kPointA);
    const auto rbs = number(kCarrierBandwidth);
    const auto scs = number(kSubcarrierSpacing);
    if (!band || !pointA || !rbs || !scs) {
        alerts_.beep();
        return;
    }
    const auto drawn =
        carrierFromPointA(*band, *pointA, *rbs, *scs, number(kOffsetToCarrier).value_or(0));
    if (!drawn.value || !drawn.value->problem.empty()) {
        lblCheckStatus_->setText(toQString(drawn.value ? drawn.value->problem : drawn.problem));
        return;
    }
    const auto& carrier = drawn.value->carrier;
    std::optional<Channel> gscn;
    if (const auto ssb = number(kSsbArfcn)) {
        const auto near = gscnsNear(static_cast<double>(nrArfcnKhz(*ssb)) / 1000);
        if (!near.empty() && near.front().offsetKhz == 0) {
            gscn = near.front().gscn;
        }
    }
    emit carrierRequested(*band, listedSide(carrier).channel, carrier.shape, gscn);
}

}  // namespace tarnvale
