    3    2    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    2                                                                                                   Line 2 : Total number of sections
