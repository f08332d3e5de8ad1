#include "gui/component/qt/Tree.h"

#include "gui/component/qt/FlagDelegate.h"
#include "gui/component/qt/Header.h"
#include "gui/component/qt/NodeModel.h"

#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QMetaObject>

namespace vex::gui::component {

Component* Tree::Factory::create(const util::xml::Element&) {
    return new qt::Tree;
}

namespace qt {

namespace {

// The id of the node of `index`; -1 for none.
int32_t IdOf(const NodeModel& model, const QModelIndex& index) {
    return index.isValid() ? model.NodeOf(index).id : -1;
}

} // namespace

Tree::~Tree() {
    // The model reads the nodes, which the component part destroys before the view's children go.
    setModel(nullptr);
    delete model_;
}

void Tree::Loaded() {
    std::vector<FlagIcons> icons;
    QStringList labels;
    for (const FlagColumn& column : flagColumns_) {
        icons.push_back({QIcon(gui::qt::LoadImage(*this, column.falseIcon)),
                         QIcon(gui::qt::LoadImage(*this, column.trueIcon)),
                         QIcon(gui::qt::LoadImage(*this, column.undeterminedIcon))});
        labels.push_back(gui::qt::ToQString(column.label));
    }
    model_ = new NodeModel(root_, flagColumns_.size());
    model_->SetDragDropEnabled(dragDrop_);
    model_->SetNameHeader(gui::qt::ToQString(GetLabel()));
    model_->SetFlagHeaders(labels);

    auto* header = new Header(icons, this);
    setHeader(header);
    setItemDelegate(new FlagDelegate(std::move(icons), this));
    setModel(model_);
    header->FitSections();
    // A tree without flag columns and without a title needs no header.
    setHeaderHidden(flagColumns_.empty() && GetLabel().empty());
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    if (dragDrop_) {
        setDragDropMode(QAbstractItemView::InternalMove);
        setDefaultDropAction(Qt::MoveAction);
        setDropIndicatorShown(true);
    }

    QObject::connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const Node* selected = GetSelectedNode();
        SendEvent(kSelectionChanged, selected != nullptr ? selected->id : -1);
    });
    QObject::connect(header, &QHeaderView::sectionClicked, this,
                     [this](int section) { SendEvent(kHeaderClicked, section); });
    QObject::connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        SendEvent(kItemDoubleClicked, IdOf(*model_, index));
    });
    model_->SetFlagEditedHandler(
        [this](Node& node, std::size_t flag) { SendEvent(kFlagChanged, FlagEventValue(flag, node.id)); });
    model_->SetRenameEnabled(rename_);
    model_->SetIconProvider([this](const std::string& path) { return IconOf(path); });
    model_->SetRenamedHandler([this](Node& node, const QString& text) {
        if (gui::qt::ToStd(text) != node.name) SendLater(kNodeRenamed, node.id, gui::qt::ToStd(text));
    });
    model_->SetMovedHandler([this](Node& node, Node& parent) {
        expand(model_->IndexOf(node).parent());
        SendLater(kNodeMoved, PackPair(node.id, &parent == &root_ ? -1 : parent.id));
    });
    if (rename_) setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
}

void Tree::SendLater(int32_t code, int64_t value, std::string text) {
    QMetaObject::invokeMethod(
        this,
        [this, code, value, text = std::move(text)] {
            SendEvent(code, value, text.empty() ? nullptr : std::make_unique<EventData>(text));
        },
        Qt::QueuedConnection);
}

QIcon Tree::IconOf(const std::string& path) {
    auto it = icons_.find(path);
    if (it == icons_.end()) it = icons_.emplace(path, QIcon(gui::qt::LoadImage(*this, path))).first;
    return it->second;
}

void Tree::EditNode(Node& node) {
    if (model_ == nullptr || !rename_) return;
    const QModelIndex index = model_->IndexOf(node);
    if (!index.isValid()) return;
    SelectNode(&node);
    edit(index);
}

void Tree::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    if (index.isValid() && model_ != nullptr) SelectNode(&model_->NodeOf(index));
    Widget::contextMenuEvent(event);
}

void Tree::NodesChanged() {
    if (model_ == nullptr) return;
    model_->Reset();
    expandAll();
}

void Tree::ClearNodes() {
    const auto clear = [this] {
        while (root_.CountChildren() > 0) root_.RemoveChild(root_.getChild(0));
    };
    if (model_ != nullptr) {
        model_->Reset(clear);
    } else {
        clear();
    }
}

Tree::Node* Tree::GetSelectedNode() const {
    if (model_ == nullptr) return nullptr;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : &model_->NodeOf(rows.front());
}

void Tree::SelectNode(Node* node) {
    if (model_ == nullptr) return;
    const QModelIndex index = node != nullptr ? model_->IndexOf(*node) : QModelIndex();
    if (!index.isValid()) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void Tree::SetFlag(Node& node, std::size_t flag, FlagState state) {
    if (model_ != nullptr) {
        model_->SetFlag(node, flag, state);
    } else {
        node.SetFlag(flag, state);
    }
}

} // namespace qt
} // namespace vex::gui::component
