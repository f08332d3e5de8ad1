#pragma once

#include "util/Composite_Dynamic.h"
#include "util/DynamicObject.h"
#include "util/FactoryManager.h"
#include "util/xml/Element.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::core {

/// A node of an expression tree of scripted tools: one operation whose children are its operands.
///
/// A tree is loaded from a tree of XML elements (one element per operation, its child elements the
/// operands) by the factories registered under the operation names, evaluated to one double, and
/// written back to XML. Run-time inputs are numbered parameters stored on the root and read by
/// "parameter" nodes anywhere below it. Evaluation is a plain recursive descent that allocates nothing.
class DediDavazi : public util::DynamicObject,
                   public util::Composite_Dynamic<DediDavazi>,
                   public util::FactoryManager<DediDavazi> {
public:
    /// Makes nodes of one operation from their elements; registered with the process-wide manager.
    class Factory {
    public:
        explicit Factory(std::string name) : name_(std::move(name)) {}
        Factory(const Factory&) = delete;
        Factory& operator=(const Factory&) = delete;

        /// Ends the factory (the manager calls this for the factories it owns or refuses).
        virtual void destroy() { delete this; }
        virtual ~Factory() = default;
        /// The operation name the factory is registered under.
        virtual const std::string& name() const { return name_; }
        /// A node of this operation with its subtree, built from `element` (whose name is name()).
        virtual std::unique_ptr<DediDavazi> create(const util::xml::Element& element) const = 0;

    private:
        std::string name_;
    };

    /// Nodes deeper than this below the element handed to create (which is level 1) load as absent
    /// operands, so loading and evaluating any element tree stays within a bounded stack. One below the
    /// XML reader's nesting limit: the "zero" elements written for a deepest node's missing operands
    /// still read back.
    static constexpr std::size_t kMaxDepth = util::xml::Element::kMaxDepth - 1;

    /// Ends this node and its subtree, taking it out of its parent first (the same as deleting it).
    virtual void destroy() { delete this; }
    ~DediDavazi() override = default;
    /// Makes `element` this subtree's written form, replacing what it held.
    virtual void toXml(util::xml::Element& element) const = 0;
    /// The value of this subtree, parameters read from the root of the tree it is in.
    virtual double evaluate() const = 0;

    /// A tree built from `element` by the first registered factory of the element's name (exactly,
    /// case-sensitive); null when `element` is not a tag, has no factory, or lies deeper than kMaxDepth.
    static std::unique_ptr<DediDavazi> create(const util::xml::Element& element);

    /// Sets parameter `index` on the root, growing its parameters with zeros to index + 1 when needed.
    /// A negative index does nothing.
    void SetParameter(int index, double value);
    /// The root's parameter `index`, or 0 when the index is negative or was never reached by setParameter.
    double GetParameter(int index) const {
        const std::vector<double>& parameters = GetRoot().parameters_;
        return index >= 0 && static_cast<std::size_t>(index) < parameters.size()
                   ? parameters[static_cast<std::size_t>(index)]
                   : 0.0;
    }
    /// This node's own parameters (those of the tree when it is the root).
    const std::vector<double>& GetParameters() const { return parameters_; }

    /// The operation name under which the node was created.
    const std::string& name() const { return name_; }

protected:
    explicit DediDavazi(std::string name) : name_(std::move(name)) {}

    /// Appends an operand for each of the first `count` children of `element` that has a factory.
    void LoadOperands(const util::xml::Element& element, std::size_t count);
    /// Writes `element` as this node's name with one child per operand; when `count` is given, exactly
    /// that many, a "zero" element standing for each missing operand.
    void WriteOperands(util::xml::Element& element, std::size_t count) const;
    void WriteOperands(util::xml::Element& element) const { WriteOperands(element, CountChildren()); }
    /// The value of operand `index`; 0 when it is missing.
    double Operand(std::size_t index) const {
        const DediDavazi* child = getChild(index);
        return child != nullptr ? child->evaluate() : 0.0;
    }

private:
    std::string name_;
    std::vector<double> parameters_;
};

} // namespace vex::orb::core
