#pragma once

#include "host/scene/Object.h"
#include "host/scene/Value.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vex::host {

/// The kind of value an attribute holds.
enum class AttributeKind { kBool, kInt, kDouble, kDouble3, kString, kStringArray, Matrix, Data, Message };

/// Description of one attribute: names, kind, default value, flags and, for a compound, its children.
/// The same description is shared by every node of a type; a dynamic attribute has its own. An
/// attribute's identity is its AttributeDefinition object (MObject handles to attributes point at it).
class AttributeDefinition : public Object, public std::enable_shared_from_this<AttributeDefinition> {
public:
    /// A leaf attribute. The default value must match the kind (monostate for Message and Data).
    AttributeDefinition(std::string longName, std::string shortName, AttributeKind kind,
                        Value defaultValue = {});

    /// A compound of three double children named longName + suffix / shortName + suffix (for example
    /// "translate", "t" with suffixes "X"/"x" ... gives "translateX", "tx").
    static std::shared_ptr<AttributeDefinition> MakeDouble3(const std::string& longName,
                                                            const std::string& shortName,
                                                            const std::array<std::string, 3>& longSuffixes,
                                                            const std::array<std::string, 3>& shortSuffixes,
                                                            const Double3& defaults);

    /// Makes a compound of the given double children (their parent is set to this attribute).
    static std::shared_ptr<AttributeDefinition>
    MakeCompound(const std::string& longName, const std::string& shortName,
                 std::vector<std::shared_ptr<AttributeDefinition>> children);

    const std::string& LongName() const { return longName_; }
    const std::string& ShortName() const { return shortName_; }
    AttributeKind kind() const { return kind_; }

    /// True when the name equals the long or the short name.
    bool matches(const std::string& name) const { return name == longName_ || name == shortName_; }

    /// The default value (for a compound, the children's defaults as a Double3).
    Value DefaultValue() const;
    void SetDefault(Value value) { default_ = std::move(value); }

    const std::vector<std::shared_ptr<AttributeDefinition>>& Children() const { return children_; }
    /// Adds a child to a compound (before the compound is added to a type or a node).
    void AddChild(const std::shared_ptr<AttributeDefinition>& child);
    /// The compound this attribute is a child of, or null.
    const AttributeDefinition* parent() const { return parent_; }
    /// Index of this attribute among its parent's children, or -1.
    int ChildIndex() const;

    /// For Data attributes: the type constant of the data held (MFn::kMeshData, ...).
    MFn::Type DataType() const { return dataType_; }
    void SetDataType(MFn::Type type) { dataType_ = type; }

    bool storable = true;
    bool hidden = false;
    bool keyable = false;
    bool readable = true;
    bool writable = true;
    bool connectable = true;
    bool usedAsColor = false;
    /// Computed from other attributes (matrix, worldMatrix): never stored, set fails.
    bool computed = false;
    /// One value per instance of the node (worldMatrix ...): an array of one element here.
    bool perInstance = false;
    /// The type constant of a unit or enum attribute (kDoubleAngleAttribute, kEnumAttribute ...), which
    /// it answers instead of its kind's; kInvalid for the others.
    MFn::Type specialType = MFn::kInvalid;
    /// An enum attribute's fields: names and the values they stand for, in the order they were added.
    std::vector<std::pair<std::string, int>> fields;
    /// The least and greatest values declared for a number (addAttr -min/-max, a function set's
    /// setMin/setMax); none when not declared.
    std::optional<double> minimum;
    std::optional<double> maximum;

    /// The fields as the command language writes them: "idle:lift:swing", a field whose value does not
    /// follow the one before as "name=value" ("off=0:on=5").
    std::string EnumText() const;
    /// Replaces the fields with those of a text in EnumText's form; false, with the fields unchanged,
    /// when a name is empty or a value is not a whole number.
    bool SetEnumText(const std::string& text);

    MFn::Type ApiType() const override;
    bool HasFn(MFn::Type type) const override;

    /// True when a value of this kind may be written to the attribute (ints go to doubles and back).
    bool Accepts(const Value& value) const;

    /// The value converted to this attribute's kind (int to double and so on); Accepts() must hold.
    Value Coerce(const Value& value) const;

private:
    std::string longName_;
    std::string shortName_;
    AttributeKind kind_;
    Value default_;
    MFn::Type dataType_ = MFn::kInvalid;
    std::vector<std::shared_ptr<AttributeDefinition>> children_;
    const AttributeDefinition* parent_ = nullptr;
};

using AttributePtr = std::shared_ptr<AttributeDefinition>;

} // namespace vex::host
