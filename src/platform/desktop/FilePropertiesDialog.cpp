#include "platform/desktop/FilePropertiesDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace korvane {

FilePropertiesDialog::FilePropertiesDialog(const QFileInfo& file, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("filePropertiesDialog"));
    setWindowTitle(tr("%1 Properties").arg(file.fileName()));
    auto* form = new QFormLayout;
    const auto addRow = [form, this](const QString& label, const QString& value) {
        auto* text = new QLabel(value, this);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label, text);
    };
    const QLocale locale;
    addRow(tr("Name:"), file.fileName());
    addRow(tr("Folder:"), QDir::toNativeSeparators(file.absolutePath()));
    addRow(tr("Size:"), tr("%1 (%2 bytes)")
                            .arg(locale.formattedDataSize(file.size()),
                                 locale.toString(static_cast<qlonglong>(file.size()))));
    addRow(tr("Modified:"), locale.toString(file.lastModified(), QLocale::LongFormat));
    addRow(tr("Owner:"), file.owner() + QLatin1Char(':') + file.group());
    addRow(tr("Permissions:"), permissionsText(file.permissions()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString FilePropertiesDialog::permissionsText(QFileDevice::Permissions permissions) {
    const struct {
        QFileDevice::Permission flag;
        char letter;
    } bits[] = {
        {QFileDevice::ReadOwner, 'r'}, {QFileDevice::WriteOwner, 'w'}, {QFileDevice::ExeOwner, 'x'},
        {QFileDevice::ReadGroup, 'r'}, {QFileDevice::WriteGroup, 'w'}, {QFileDevice::ExeGroup, 'x'},
        {QFileDevice::ReadOther, 'r'}, {QFileDevice::WriteOther, 'w'}, {QFileDevice::ExeOther, 'x'},
    };
    QString text;
    for (const auto& bit : bits)
        text += permissions.testFlag(bit.flag) ? QLatin1Char(bit.letter) : QLatin1Char('-');
    return text;
}

}  // namespace korvane
