#pragma once

#include "gui/component/Tree.h"
#include "gui/qt/Widget.h"

#include <QTreeView>

namespace vex::gui::component::qt {

class NodeModel;

/// The tree view: a NodeModel over the component's nodes, the flag columns painted and toggled by a
/// FlagDelegate under a Header showing their images. Reports selection changes, header clicks, double
/// clicks and the user's flag toggles as the component's events; rows move by drag and drop when the
/// layout allows it.
class Tree : public gui::qt::Widget<QTreeView, component::Tree> {
public:
    Tree() = default;
    ~Tree() override;

    void NodesChanged() override;
    Node* GetSelectedNode() const override;
    void SelectNode(Node* node) override;
    void SetFlag(Node& node, std::size_t flag, FlagState state) override;

    /// The item model; null before the component is loaded.
    NodeModel* GetModel() const { return model_; }

protected:
    void Loaded() override;

private:
    NodeModel* model_ = nullptr;
};

} // namespace vex::gui::component::qt
