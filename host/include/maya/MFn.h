#pragma once

/// Type constants of every kind of object an MObject can refer to and of the function sets that work on
/// them. A node type answers true to hasFn for its own constant and for those of the types it derives from.
/// Each constant has the number the host API gives it, so values stored or compared by number (a plug-in's
/// tables, a saved apiType) mean the same here; only the types this host knows are declared, and kLast
/// ends this list rather than the full one.
class MFn {
public:
    enum Type {
        kInvalid = 0,
        kBase = 1,
        kNamedObject = 2,
        kDependencyNode = 4,
        kAnimCurve = 7,
        kAnimCurveTimeToAngular = 8,
        kAnimCurveTimeToDistance = 9,
        kAnimCurveTimeToTime = 10,
        kAnimCurveTimeToUnitless = 11,
        kDagNode = 107,
        kTransform = 110,
        kWorld = 247,
        kShape = 248,
        kCamera = 250,
        kGeometric = 265,
        kCurve = 266,
        kNurbsCurve = 267,
        kSurface = 293,
        kNurbsSurface = 294,
        kMesh = 296,
        kShadingEngine = 320,
        kLambert = 366,
        kPluginDependNode = 456,
        kSet = 468,
        kTime = 517,
        kComponent = 532,
        kAttribute = 562,
        kNumericAttribute = 563,
        kDoubleAngleAttribute = 564,
        kDoubleLinearAttribute = 566,
        kTimeAttribute = 568,
        kEnumAttribute = 569,
        kUnitAttribute = 570,
        kTypedAttribute = 571,
        kCompoundAttribute = 572,
        kMatrixAttribute = 575,
        kMessageAttribute = 577,
        kPlugin = 578,
        kData = 579,
        kDoubleArrayData = 581,
        kIntArrayData = 582,
        kMatrixData = 584,
        kMeshData = 585,
        kNurbsSurfaceData = 586,
        kNurbsCurveData = 587,
        kNumericData = 588,
        kPointArrayData = 598,
        kStringData = 601,
        kStringArrayData = 602,
        kVectorArrayData = 603,
        kLast
    };
};
