#pragma once
// A point record handed out by the shapes; the caller frees m_pX and m_pY with delete[].

struct POLYDATA
{
    int m_nCount = 0;
    int m_nAux = 0;
    int m_bClose = 0;
    double* m_pX = nullptr;
    double* m_pY = nullptr;
};
