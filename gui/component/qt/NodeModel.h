#pragma once

#include "gui/componentinterface/Tree.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <cstddef>
#include <functional>
#include <string>

namespace vex::gui::component::qt {

/// The item model of a tree view over the nodes of a componentinterface::Tree::Node hierarchy. Column 0
/// shows each node's name; columns 1.. show its flags (read and written as an int FlagState under
/// kFlagRole). Rows can be dragged under other rows with the MIME type kMimeType; a node is never
/// dropped into its own subtree. The model does not own the nodes.
class NodeModel : public QAbstractItemModel {
public:
    using Node = componentinterface::Tree::Node;
    using FlagState = componentinterface::Tree::FlagState;

    /// The role under which flag columns hand out and take their FlagState (as int).
    static constexpr int kFlagRole = Qt::UserRole + 1;
    /// The role under which every cell hands out its node's id.
    static constexpr int kNodeIdRole = Qt::UserRole + 2;
    /// The MIME type of dragged rows.
    static constexpr const char* kMimeType = "application/vex-gui-abstractitemmodel-node";

    /// A model of the children of `root` with `flagCount` flag columns after the name column.
    NodeModel(Node& root, std::size_t flagCount, QObject* parent = nullptr);

    /// The node of `index`; the root for an invalid index.
    Node& NodeOf(const QModelIndex& index) const;
    /// The index of `node` in column `column`; invalid for the root or a node outside this model.
    QModelIndex IndexOf(const Node& node, int column = 0) const;
    /// Enables or disables dragging rows.
    void SetDragDropEnabled(bool on) { dragDrop_ = on; }
    /// Enables or disables editing names; an edited name goes to the rename handler, not the node.
    void SetRenameEnabled(bool on) { rename_ = on; }
    /// Gives the image of a node's icon path (the tree resolves and caches it).
    void SetIconProvider(std::function<QIcon(const std::string&)> provider) { icons_ = std::move(provider); }
    /// Called when the user finished editing a name, with the node and the text typed.
    void SetRenamedHandler(std::function<void(Node&, const QString&)> handler) {
        renamed_ = std::move(handler);
    }
    /// Sets the header text of the name column.
    void SetNameHeader(const QString& text) { nameHeader_ = text; }
    /// Sets the header text of each flag column.
    void SetFlagHeaders(const QStringList& texts) { flagHeaders_ = texts; }
    /// Rebuilds every view after the node hierarchy changed outside the model; `change`, when given,
    /// changes the hierarchy while the views hold nothing of it (needed when nodes are destroyed).
    void Reset(const std::function<void()>& change = {});
    /// Sets a node's flag and tells the views.
    void SetFlag(Node& node, std::size_t flag, FlagState state);
    /// Called after a node was moved by a drop, with the node and its new parent.
    void SetMovedHandler(std::function<void(Node&, Node&)> handler) { moved_ = std::move(handler); }
    /// Called after a flag was changed through setData (a user's edit, not SetFlag), with the node and
    /// the flag.
    void SetFlagEditedHandler(std::function<void(Node&, std::size_t)> handler) {
        edited_ = std::move(handler);
    }
    /// Whether `dragged` may be moved under `target`: never into its own subtree, never onto the
    /// parent it is already the last child of.
    static bool CanMove(const Node& dragged, const Node& target);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    // The node a drag from this model carries; null for foreign or malformed data.
    Node* DraggedNode(const QMimeData* data) const;

    Node& root_;
    std::size_t flagCount_;
    bool dragDrop_ = false;
    bool rename_ = false;
    QString nameHeader_;
    QStringList flagHeaders_;
    std::function<void(Node&, Node&)> moved_;
    std::function<void(Node&, std::size_t)> edited_;
    std::function<QIcon(const std::string&)> icons_;
    std::function<void(Node&, const QString&)> renamed_;
};

} // namespace vex::gui::component::qt
