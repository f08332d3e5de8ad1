#pragma once

#include "gui/component/Tree.h"
#include "gui/qt/Widget.h"

#include <QIcon>
#include <QTreeView>

#include <map>
#include <string>

namespace vex::gui::component::qt {

class NodeModel;

/// The tree view: a NodeModel over the component's nodes, the flag columns painted and toggled by a
/// FlagDelegate under a Header showing their images. Reports selection changes, header clicks, double
/// clicks and the user's flag toggles as the component's events; rows move by drag and drop when the
/// layout allows it, and names are edited in place when it is editable. A right click selects the row
/// under the pointer before the context menu opens, so the menu's commands apply to that row.
class Tree : public gui::qt::Widget<QTreeView, component::Tree> {
public:
    Tree() = default;
    ~Tree() override;

    void NodesChanged() override;
    void ClearNodes() override;
    Node* GetSelectedNode() const override;
    void SelectNode(Node* node) override;
    void SetFlag(Node& node, std::size_t flag, FlagState state) override;
    void EditNode(Node& node) override;

    /// The item model; null before the component is loaded.
    NodeModel* GetModel() const { return model_; }

protected:
    void Loaded() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Sends an event once the view is done with the current edit or drop (the window's handler may
    // rebuild every node).
    void SendLater(int32_t code, int64_t value, std::string text = {});
    // The image of a node's icon path, loaded once.
    QIcon IconOf(const std::string& path);

    NodeModel* model_ = nullptr;
    std::map<std::string, QIcon> icons_;
};

} // namespace vex::gui::component::qt
