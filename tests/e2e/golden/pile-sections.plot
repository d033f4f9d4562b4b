    2    1    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    4                                                                                                   Line 2 : Total number of sections
    0                                                                                                   Line 3 : Total number of axial thrusts for EI-only computations
