#pragma once
// Reads HPGL with CKVPlt and tells what it drew, so that a test compares a whole import at once.
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "plt/CKVPlt.h"
#include "support/TempFile.h"

// Polylines as "x,y x,y", arcs as "@x,y r start>end" in degrees, joined by " | ". Every
// shape must be on layer 1 with line type 1, every polyline open with two points or more.
inline std::string PlotFile(const std::filesystem::path& path, int unitMode = 0,
                            double factor = 1.0)
{
    CKVPlt plt;
    plt.m_Layers.m_dPltScaleX = plt.m_Layers.m_dPltScaleY = factor;
    plt.m_nUnitMode = unitMode;
    EXPECT_EQ(plt.Open(CString(path.wstring().c_str())), 1) << path;
    EXPECT_EQ(plt.Read(), 0) << path; // the reader always answers 0
    auto degrees = [](double radians) { return std::round(radians * 180e6 / M_PI) / 1e6 + 0.0; };
    std::ostringstream text;
    for (INT_PTR i = 0; i < plt.m_arrShape.GetSize(); ++i)
    {
        auto* shape = static_cast<CShape*>(plt.m_arrShape[i]);
        EXPECT_TRUE(shape->m_nLayer == 1 && shape->m_nLineType == 1) << path;
        text << (i ? " | " : "");
        if (auto* arc = dynamic_cast<CCircleShape*>(shape))
            text << '@' << arc->m_dCenterX << ',' << arc->m_dCenterY << " r" << arc->m_dRadius
                 << ' ' << degrees(arc->m_dStartAngle) << '>' << degrees(arc->m_dEndAngle);
        auto* line = dynamic_cast<CPolylineShape*>(shape);
        for (int p = 0; line && p < line->m_nCount; ++p)
            text << (p ? " " : "") << line->m_pX[p] << ',' << line->m_pY[p];
        EXPECT_TRUE(!line || (line->m_bClose == 0 && line->m_nCount >= 2)) << path;
        delete shape;
    }
    return text.str();
}

// The same for inline text, at factors 1 unless told otherwise.
inline std::string Plot(const std::string& hpgl, int unitMode = 0, double factor = 1.0)
{
    TempFile file(hpgl, ".plt");
    return PlotFile(file.Path(), unitMode, factor);
}
