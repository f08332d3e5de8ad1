// A plug-in the host tests load by path, written as plug-ins for the real API are: a node type whose
// outputs are computed from its inputs, a command that reads its flags through its syntax, and a
// command reporting how often the node computed.
#include <maya/MArgDatabase.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPlugin.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MIOStream.h>
#include <maya/MPlug.h>
#include <maya/MPxCommand.h>
#include <maya/MPxNode.h>
#include <maya/MSelectionList.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>
#include <maya/MTypeId.h>

#include <sstream>

namespace {

int gComputes = 0;

/// hostScale: output = input * factor (mode "scale") or input + factor (mode "offset"), plus the
/// compound's bias.x; point = (input, factor, output).
class HostScaleNode : public MPxNode {
public:
    MStatus compute(const MPlug& plug, MDataBlock& data) override {
        if (plug != output_ && plug != point_) return MStatus::kUnknownParameter;
        ++gComputes;
        const double input = data.inputValue(input_).asDouble();
        const double factor = data.inputValue(factor_).asDouble();
        const short mode = data.inputValue(mode_).asShort();
        const double bias = data.inputValue(bias_).child(biasX_).asDouble();
        const double result = (mode == 0 ? input * factor : input + factor) + bias;
        MDataHandle output = data.outputValue(output_);
        output.set(result);
        output.setClean();
        MDataHandle point = data.outputValue(point_);
        point.set(input, factor, result);
        data.setClean(point_);
        return MStatus::kSuccess;
    }

    static void* Creator() { return new HostScaleNode; }

    static MStatus initialize() {
        MFnNumericAttribute numeric;
        input_ = numeric.create("input", "in", MFnNumericData::kDouble, 0.0);
        numeric.setKeyable(true);
        factor_ = numeric.create("factor", "f", MFnNumericData::kDouble, 2.0);
        output_ = numeric.create("output", "out", MFnNumericData::kDouble, 0.0);
        numeric.setWritable(false);
        numeric.setStorable(false);
        point_ = numeric.create("point", "pt", MFnNumericData::k3Double, 0.0);
        numeric.setWritable(false);
        biasX_ = numeric.create("biasX", "bx", MFnNumericData::kDouble, 0.0);
        biasOn_ = numeric.create("biasOn", "bo", MFnNumericData::kBoolean, 1.0);

        MFnEnumAttribute enumeration;
        mode_ = enumeration.create("mode", "md", 0);
        enumeration.addField("scale", 0);
        enumeration.addField("offset", 1);

        MFnCompoundAttribute compound;
        bias_ = compound.create("bias", "bi");
        compound.addChild(biasX_);
        compound.addChild(biasOn_);

        MFnUnitAttribute unit;
        turn_ = unit.create("turn", "tu", MAngle(90.0, MAngle::kDegrees));

        for (MObject* attribute : {&input_, &factor_, &mode_, &bias_, &turn_, &output_, &point_}) {
            const MStatus status = addAttribute(*attribute);
            if (!status) return status;
        }
        for (MObject* input : {&input_, &factor_, &mode_, &bias_}) {
            attributeAffects(*input, output_);
            attributeAffects(*input, point_);
        }
        return MStatus::kSuccess;
    }

    static MObject input_, factor_, mode_, bias_, biasX_, biasOn_, turn_, output_, point_;
    static const MTypeId id;
};

MObject HostScaleNode::input_, HostScaleNode::factor_, HostScaleNode::mode_, HostScaleNode::bias_,
    HostScaleNode::biasX_, HostScaleNode::biasOn_, HostScaleNode::turn_, HostScaleNode::output_,
    HostScaleNode::point_;
const MTypeId HostScaleNode::id(0x7f0a2, 0x01);

/// hostComputeCount: result = how often hostScale nodes have computed.
class HostComputeCountCmd : public MPxCommand {
public:
    MStatus doIt(const MArgList&) override {
        setResult(gComputes);
        return MStatus::kSuccess;
    }
    static void* Creator() { return new HostComputeCountCmd; }
};

/// hostParse [-name s] [-scale d] [-count n]... [-pair n b] [-q] [objects]: result = what it read.
class HostParseCmd : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override {
        MStatus status;
        MArgDatabase db(syntax(), args, &status);
        if (!status) return status;
        std::ostringstream out;
        out << "query=" << db.isQuery();
        if (db.isFlagSet("name")) out << " name=" << db.flagArgumentString("name", 0).asChar();
        if (db.isFlagSet("-s")) {
            double scale = 0.0;
            db.getFlagArgument("-s", 0, scale);
            out << " scale=" << scale;
        }
        for (unsigned int i = 0; i < db.numberOfFlagUses("count"); ++i) {
            MArgList values;
            db.getFlagArgumentList("count", i, values);
            out << " count=" << values.asInt(0);
        }
        if (db.isFlagSet("pair"))
            out << " pair=" << db.flagArgumentInt("pair", 0) << "," << db.flagArgumentBool("pair", 1);
        MSelectionList objects;
        db.getObjects(objects);
        MStringArray names;
        objects.getSelectionStrings(names);
        for (unsigned int i = 0; i < names.length(); ++i) out << " object=" << names[i].asChar();
        setResult(MString(out.str().c_str()));
        return MStatus::kSuccess;
    }
    static void* Creator() { return new HostParseCmd; }
    static MSyntax NewSyntax() {
        MSyntax syntax;
        syntax.addFlag("-n", "-name", MSyntax::kString);
        syntax.addFlag("-s", "-scale", MSyntax::kDouble);
        syntax.addFlag("-c", "-count", MSyntax::kLong);
        syntax.makeFlagMultiUse("-c");
        syntax.addFlag("-p", "-pair", MSyntax::kLong, MSyntax::kBoolean);
        syntax.setObjectType(MSyntax::kSelectionList, 0, 2);
        syntax.useSelectionAsDefault(true);
        syntax.enableQuery(true);
        return syntax;
    }
};

} // namespace

MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "Torva Labs tests", "2.0");
    MStatus status = plugin.registerNode("hostScale", HostScaleNode::id, HostScaleNode::Creator,
                                         HostScaleNode::initialize);
    if (status) status = plugin.registerCommand("hostComputeCount", HostComputeCountCmd::Creator);
    if (status) status = plugin.registerCommand("hostParse", HostParseCmd::Creator, HostParseCmd::NewSyntax);
    return status;
}

MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj);
    plugin.deregisterCommand("hostParse");
    plugin.deregisterCommand("hostComputeCount");
    return plugin.deregisterNode(HostScaleNode::id);
}
