// The graph type codes of a display (bits 16-23 of its style word) and what follows from them: the
// axis types a graph type implies, and the groups of types the displays, scales and the graph position
// treat alike.
#pragma once

enum ChartGraphType : int {
    GT_NONE = 0x00,
    GT_LINE = 0x01,
    GT_HBAR = 0x02,
    GT_VBAR = 0x03,
    GT_PIE = 0x04,
    GT_AREA = 0x06,
    GT_HILO = 0x07,
    GT_3D_BAR = 0x09,
    GT_3D_AREA = 0x0a,
    GT_VBAR_OVERLAP = 0x0b,
    GT_HBAR_OVERLAP = 0x0c,
    GT_PIE_3D = 0x0d,
    GT_STACKED_AREA = 0x0e,
    GT_VBAR_3D = 0x0f,
    GT_HBAR_3D = 0x10,
    GT_3D_AREA_FLAT = 0x11,
    GT_RADAR = 0x12,
    GT_XY_ITEM_PAIRS = 0x13,
    GT_XY_ITEM_PAIRS_BY_INDEX = 0x14,
    GT_XY_GROUP_PAIRS = 0x15,
    GT_RADAR_FILLED = 0x17,
    GT_HILO_BAND = 0x18,
    GT_BAR_LINE = 0x19,
    GT_POLAR = 0x1a,
    GT_POLAR_FILLED = 0x1b,
    GT_STOCK_BAR = 0x1c,
    GT_STOCK_TICKS = 0x1d,
    GT_BAR_FLOAT = 0x1e,
    GT_LINE_LABELLED = 0x1f,
    GT_XY_ITEM_PAIRS_DUAL = 0x20,
    GT_XY_ITEM_PAIRS_BY_INDEX_DUAL = 0x21,
    GT_XY_GROUP_PAIRS_DUAL = 0x22,
    GT_STEP = 0x23,
    GT_STEP_B = 0x24,
    GT_STACKED_VBAR = 0x25,
    GT_STACKED_HBAR = 0x26,
    GT_GROUP_STACKED_VBAR = 0x27,
    GT_GROUP_STACKED_HBAR = 0x28,
    GT_BUBBLE = 0x29,
    GT_BUBBLE_AREA = 0x2a,
    GT_VECTOR = 0x2b,
    GT_VECTOR_B = 0x2c,
    GT_VECTOR_SEGMENT = 0x2d,
    GT_CANDLESTICK = 0x2e,
    GT_STACKED_VBAR_100 = 0x2f,
    GT_STACKED_HBAR_100 = 0x30,
    GT_GROUP_STACKED_VBAR_100 = 0x31,
    GT_GROUP_STACKED_HBAR_100 = 0x32,
};

// The axis types (bits 24-31 of a display's style word) named where the code tells them apart.
enum ChartAxisType : int {
    AXIS_NONE = 0x00,
    AXIS_BY_GRAPH_TYPE = 0x01,   // the frame and scales the graph type implies
    AXIS_STANDARD = 0x02,        // value axis on the left, categories along the bottom
    AXIS_TRANSPOSED = 0x0a,      // categories up the left edge, values along the bottom
    AXIS_DEPTH = 0x0b,           // the standard axes seen with depth
    AXIS_RIGHT = 0x0c,           // the standard axes with the value axis on the right
    AXIS_RADAR = 0x0e,
    AXIS_XY = 0x0f,
    AXIS_POLAR = 0x11,
    AXIS_PIE = 0x09,
};

// True for the axis types whose frame is drawn with depth (0x0b, 0x0d, 0x10, 0x14, 0x15, 0x16).
inline bool ChartAxisHasDepth(int nAxisType)
{
    switch (nAxisType) {
    case 0x0b: case 0x0d: case 0x10: case 0x14: case 0x15: case 0x16:
        return true;
    default:
        return false;
    }
}

// True for the axis types whose data area the line and bar routines shrink by the depth (0x0b, 0x0d,
// 0x14, 0x15): their frame is drawn with depth and the data stands on its front face.
inline bool ChartAxisShrinksForDepth(int nAxisType)
{
    return nAxisType == 0x0b || nAxisType == 0x0d || nAxisType == 0x14 || nAxisType == 0x15;
}

// True for the XY types, whose two axes both carry values (0x13-0x15, 0x1a, 0x1b, 0x20-0x22,
// 0x29-0x2d).
inline bool ChartIsXYType(int nGraphType)
{
    return (nGraphType >= 0x13 && nGraphType <= 0x15) || nGraphType == 0x1a || nGraphType == 0x1b ||
           (nGraphType >= 0x20 && nGraphType <= 0x22) || (nGraphType >= 0x29 && nGraphType <= 0x2d);
}

// True for the graph types drawn as lines through points spread from end to end of the category axis
// (0x01, 0x06, 0x0e, 0x18, 0x1f, 0x23, 0x24): their category labels stand on the points.
inline bool ChartIsLineLikeType(int nGraphType)
{
    switch (nGraphType) {
    case 0x01: case 0x06: case 0x0e: case 0x18: case 0x1f: case 0x23: case 0x24:
        return true;
    default:
        return false;
    }
}

// The concrete axis type a graph type implies under axis type 0x01 (0 for a type that implies none):
// the standard axes for lines, columns and most others, the transposed ones for horizontal bars, the
// depth frame for bars with depth, the box of the perspective types, the radar, XY, polar and pie
// layouts.
inline int ChartImpliedAxisType(int nGraphType)
{
    switch (nGraphType) {
    case 0x01: case 0x03: case 0x05: case 0x06: case 0x07: case 0x08: case 0x0b: case 0x0e: case 0x18: case 0x19:
    case 0x1c: case 0x1d: case 0x1f: case 0x23: case 0x24: case 0x25: case 0x27: case 0x2e: case 0x2f: case 0x31:
        return AXIS_STANDARD;
    case 0x02: case 0x0c: case 0x16: case 0x1e: case 0x26: case 0x28: case 0x30: case 0x32:
        return AXIS_TRANSPOSED;
    case 0x0f:
        return AXIS_DEPTH;
    case 0x10:
        return 0x10;
    case 0x09:
        return 0x04;
    case 0x0a:
        return 0x05;
    case 0x11:
        return 0x06;
    case 0x12: case 0x17:
        return AXIS_RADAR;
    case 0x13: case 0x14: case 0x15: case 0x20: case 0x21: case 0x22:
    case 0x29: case 0x2a: case 0x2b: case 0x2c: case 0x2d:
        return AXIS_XY;
    case 0x1a: case 0x1b:
        return AXIS_POLAR;
    case 0x04: case 0x0d:
        return AXIS_PIE;
    default:
        return AXIS_NONE;
    }
}
