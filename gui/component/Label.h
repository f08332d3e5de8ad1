#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Label.h"
#include "util/AbstractFactory.h"

namespace vex::gui::component {

/// A `label`: its text content (rich text), `valign`, `halign`, `wrap`, `selectable`, `hyperlinks`
/// ("yes"/"no"), `style` ("raised", "thin", "sunken") and `imagepath`.
class Label : public StdComponent, public componentinterface::Label {
public:
    void SetImagePath(const std::string& path) override;
    bool GetWrap() const { return wrap_; }
    bool GetSelectable() const { return selectable_; }
    bool GetHyperlinks() const { return hyperlinks_; }
    /// The image path as written (before path variables are resolved).
    const std::string& GetImagePath() const { return imagePath_; }

    /// Makes labels from `label` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "label"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;
    void RefreshImages() override;
    /// Shows `image` (a resolved path; "" for none).
    virtual void ShowImage(const std::string& image) = 0;

    std::string initialText_;
    bool wrap_ = false;
    bool selectable_ = false;
    bool hyperlinks_ = false;
    std::string imagePath_;
};

} // namespace vex::gui::component
