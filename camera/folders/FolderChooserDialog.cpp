#include "FolderChooserDialog.h"

#include "platform/Prompt.h"

#include <QDir>
#include <QFileIconProvider>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vx7::camera {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kFilledRole = Qt::UserRole + 1;

QDir::Filters FolderFilter() {
    return QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks;
}

bool HasSubFolders(const QString& path) {
    return !QDir(path).entryList(FolderFilter(), QDir::NoSort).isEmpty();
}

} // namespace

QStringList FolderChooserDialog::RootFolders() {
    QStringList roots{QDir::homePath(), QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || roots.contains(root))
            continue;
        // Volumes a user keeps files on: those under the usual mount folders.
        if (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/mnt/")) ||
            root.startsWith(QLatin1String("/run/media/")))
            roots.append(root);
    }
    return roots;
}

FolderChooserDialog::FolderChooserDialog(QString initialFolder, QString defaultFolder,
                                         platform::Prompt& prompt, QWidget* parent)
    : QDialog(parent), choice_(std::move(initialFolder), std::move(defaultFolder)), prompt_(prompt),
      tree_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("FolderChooserDialog"));
    setWindowTitle(QStringLiteral("选择(创建)目录"));
    tree_->setObjectName(QStringLiteral("tree1024"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);

    default_ = new QPushButton(QStringLiteral("默认"), this);
    default_->setObjectName(QStringLiteral("button1"));
    default_->setDefault(true);
    confirm_ = new QPushButton(QStringLiteral("确认"), this);
    confirm_->setObjectName(QStringLiteral("button1025"));
    confirm_->setAutoDefault(false);
    confirm_->setEnabled(false);
    create_ = new QPushButton(QStringLiteral("创建"), this);
    create_->setObjectName(QStringLiteral("button1026"));
    create_->setAutoDefault(false);
    name_ = new QLineEdit(choice_.NewName(), this);
    name_->setObjectName(QStringLiteral("edit1027"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_, 1);
    auto* createRow = new QHBoxLayout;
    createRow->addWidget(name_, 1);
    createRow->addWidget(create_);
    layout->addLayout(createRow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(default_);
    buttons->addStretch(1);
    buttons->addWidget(confirm_);
    layout->addLayout(buttons);

    connect(default_, &QPushButton::clicked, this, &FolderChooserDialog::OnDefault);
    connect(confirm_, &QPushButton::clicked, this, &QDialog::accept);
    connect(create_, &QPushButton::clicked, this, &FolderChooserDialog::OnCreate);
    connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) {
        choice_.SetNewName(text);
        create_->setEnabled(choice_.CreateEnabled());
    });
    connect(tree_, &QTreeWidget::itemExpanded, this, &FolderChooserDialog::FillChildren);
    connect(tree_, &QTreeWidget::currentItemChanged, this, &FolderChooserDialog::OnSelectionChanged);

    for (const QString& root : RootFolders()) {
        QString label = root == QDir::homePath()     ? QStringLiteral("主文件夹 (%1)").arg(root)
                        : root == QLatin1String("/") ? QStringLiteral("文件系统 (/)")
                                                     : root;
        AddItem(nullptr, root, label);
    }
    if (QTreeWidgetItem* first = tree_->topLevelItem(0)) {
        first->setExpanded(true);
        tree_->setCurrentItem(first);
    }
    setWindowTitle(choice_.Title());
    resize(420, 460);
}

QTreeWidgetItem* FolderChooserDialog::AddItem(QTreeWidgetItem* parent, const QString& path,
                                              const QString& label) {
    static const QFileIconProvider icons;
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, label);
    item->setData(0, kPathRole, path);
    item->setData(0, kFilledRole, false);
    item->setIcon(0, icons.icon(QFileIconProvider::Folder));
    item->setChildIndicatorPolicy(HasSubFolders(path) ? QTreeWidgetItem::ShowIndicator
                                                      : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    return item;
}

void FolderChooserDialog::FillChildren(QTreeWidgetItem* item) {
    if (!item || item->data(0, kFilledRole).toBool())
        return;
    item->setData(0, kFilledRole, true);
    const QString path = item->data(0, kPathRole).toString();
    QDir dir(path);
    const QStringList names = dir.entryList(FolderFilter(), QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        AddItem(item, dir.filePath(name), name);
    if (names.isEmpty())
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

QTreeWidgetItem* FolderChooserDialog::FindItem(const QString& path) const {
    std::function<QTreeWidgetItem*(QTreeWidgetItem*)> search =
        [&](QTreeWidgetItem* item) -> QTreeWidgetItem* {
        if (item->data(0, kPathRole).toString() == path)
            return item;
        for (int i = 0; i < item->childCount(); ++i)
            if (QTreeWidgetItem* found = search(item->child(i)))
                return found;
        return nullptr;
    };
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        if (QTreeWidgetItem* found = search(tree_->topLevelItem(i)))
            return found;
    return nullptr;
}

void FolderChooserDialog::OnSelectionChanged() {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item)
        return;
    // A selected folder gets its children read at once, without opening it.
    FillChildren(item);
    const QString path = item->data(0, kPathRole).toString();
    const bool real = QFileInfo(path).isDir();
    choice_.SelectionChanged(real ? std::optional<QString>(path) : std::nullopt);
    confirm_->setEnabled(choice_.ConfirmEnabled());
    setWindowTitle(choice_.Title());
}

void FolderChooserDialog::OnDefault() {
    choice_.ChooseDefault();
    accept();
}

void FolderChooserDialog::OnCreate() {
    QString error;
    if (!choice_.Create(&error)) {
        prompt_.Message(error);
        return;
    }
    accept();
}

} // namespace vx7::camera
