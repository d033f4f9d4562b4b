    3    2    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                                                   Line 2 : Total number of sections
    1                                                                                                   Line 3d : Total number of axial thrusts for elastic section
  150            0.0000000E+00  0.0000000E+00                                                           Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) for linear EI pile at top of section
  0.3739845E+07  0.3739845E+06  0.1000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.7479690E+07  0.3739845E+06  0.2000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.1121954E+08  0.3739845E+06  0.3000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.1495938E+08  0.3739845E+06  0.4000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.1869923E+08  0.3739845E+06  0.5000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.2243907E+08  0.3739845E+06  0.6000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.2617892E+08  0.3739845E+06  0.7000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.2991876E+08  0.3739845E+06  0.8000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.3365861E+08  0.3739845E+06  0.9000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.3739845E+08  0.3739845E+06  0.1000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.4113830E+08  0.3739845E+06  0.1100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.4487814E+08  0.3739845E+06  0.1200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.4861799E+08  0.3739845E+06  0.1300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.5235783E+08  0.3739845E+06  0.1400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.5609768E+08  0.3739845E+06  0.1500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.5983752E+08  0.3739845E+06  0.1600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.6357737E+08  0.3739845E+06  0.1700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.6731721E+08  0.3739845E+06  0.1800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.7105706E+08  0.3739845E+06  0.1900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.7479690E+08  0.3739845E+06  0.2000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.7853675E+08  0.3739845E+06  0.2100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.8227659E+08  0.3739845E+06  0.2200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.8601644E+08  0.3739845E+06  0.2300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.8975628E+08  0.3739845E+06  0.2400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.9349613E+08  0.3739845E+06  0.2500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.9723597E+08  0.3739845E+06  0.2600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1009758E+09  0.3739845E+06  0.2700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.1047157E+09  0.3739845E+06  0.2800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.1084555E+09  0.3739845E+06  0.2900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.1121954E+09  0.3739845E+06  0.3000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.1159352E+09  0.3739845E+06  0.3100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.1196750E+09  0.3739845E+06  0.3200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.1234149E+09  0.3739845E+06  0.3300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.1271547E+09  0.3739845E+06  0.3400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.1308946E+09  0.3739845E+06  0.3500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.1346344E+09  0.3739845E+06  0.3600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.1383743E+09  0.3739845E+06  0.3700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.1421141E+09  0.3739845E+06  0.3800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.1458540E+09  0.3739845E+06  0.3900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.1495938E+09  0.3739845E+06  0.4000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.1533337E+09  0.3739845E+06  0.4100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.1570735E+09  0.3739845E+06  0.4200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1608133E+09  0.3739845E+06  0.4300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1645532E+09  0.3739845E+06  0.4400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1682930E+09  0.3739845E+06  0.4500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1720329E+09  0.3739845E+06  0.4600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1757727E+09  0.3739845E+06  0.4700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1795126E+09  0.3739845E+06  0.4800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1832524E+09  0.3739845E+06  0.4900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1869923E+09  0.3739845E+06  0.5000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.1907321E+09  0.3739845E+06  0.5100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.1944719E+09  0.3739845E+06  0.5200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.1982118E+09  0.3739845E+06  0.5300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.2019516E+09  0.3739845E+06  0.5400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.2056915E+09  0.3739845E+06  0.5500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.2094313E+09  0.3739845E+06  0.5600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.2131712E+09  0.3739845E+06  0.5700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.2169110E+09  0.3739845E+06  0.5800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.2206509E+09  0.3739845E+06  0.5900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.2243907E+09  0.3739845E+06  0.6000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.2281306E+09  0.3739845E+06  0.6100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.2318704E+09  0.3739845E+06  0.6200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.2356102E+09  0.3739845E+06  0.6300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.2393501E+09  0.3739845E+06  0.6400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.2430899E+09  0.3739845E+06  0.6500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.2468298E+09  0.3739845E+06  0.6600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.2505696E+09  0.3739845E+06  0.6700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.2543095E+09  0.3739845E+06  0.6800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.2580493E+09  0.3739845E+06  0.6900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.2617892E+09  0.3739845E+06  0.7000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.2655290E+09  0.3739845E+06  0.7100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.2692689E+09  0.3739845E+06  0.7200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.2730087E+09  0.3739845E+06  0.7300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.2767485E+09  0.3739845E+06  0.7400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.2804884E+09  0.3739845E+06  0.7500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.2842282E+09  0.3739845E+06  0.7600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.2879681E+09  0.3739845E+06  0.7700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.2917079E+09  0.3739845E+06  0.7800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.2954478E+09  0.3739845E+06  0.7900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.2991876E+09  0.3739845E+06  0.8000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.3029275E+09  0.3739845E+06  0.8100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.3066673E+09  0.3739845E+06  0.8200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.3104071E+09  0.3739845E+06  0.8300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.3141470E+09  0.3739845E+06  0.8400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.3178868E+09  0.3739845E+06  0.8500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.3216267E+09  0.3739845E+06  0.8600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.3253665E+09  0.3739845E+06  0.8700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.3291064E+09  0.3739845E+06  0.8800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.3328462E+09  0.3739845E+06  0.8900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.3365861E+09  0.3739845E+06  0.9000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.3403259E+09  0.3739845E+06  0.9100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.3440658E+09  0.3739845E+06  0.9200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.3478056E+09  0.3739845E+06  0.9300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.3515454E+09  0.3739845E+06  0.9400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.3552853E+09  0.3739845E+06  0.9500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.3590251E+09  0.3739845E+06  0.9600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.3627650E+09  0.3739845E+06  0.9700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.3665048E+09  0.3739845E+06  0.9800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.3702447E+09  0.3739845E+06  0.9900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.3739845E+09  0.3739845E+06  0.1000000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.3777244E+09  0.3739845E+06  0.1010000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.3814642E+09  0.3739845E+06  0.1020000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.3852041E+09  0.3739845E+06  0.1030000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.3889439E+09  0.3739845E+06  0.1040000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.3926837E+09  0.3739845E+06  0.1050000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.3964236E+09  0.3739845E+06  0.1060000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.4001634E+09  0.3739845E+06  0.1070000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.4039033E+09  0.3739845E+06  0.1080000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.4076431E+09  0.3739845E+06  0.1090000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.4113830E+09  0.3739845E+06  0.1100000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.4151228E+09  0.3739845E+06  0.1110000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.4188627E+09  0.3739845E+06  0.1120000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.4226025E+09  0.3739845E+06  0.1130000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.4263423E+09  0.3739845E+06  0.1140000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.4300822E+09  0.3739845E+06  0.1150000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.4338220E+09  0.3739845E+06  0.1160000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.4375619E+09  0.3739845E+06  0.1170000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.4413017E+09  0.3739845E+06  0.1180000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.4450416E+09  0.3739845E+06  0.1190000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.4487814E+09  0.3739845E+06  0.1200000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.4525213E+09  0.3739845E+06  0.1210000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.4562611E+09  0.3739845E+06  0.1220000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.4600010E+09  0.3739845E+06  0.1230000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.4637408E+09  0.3739845E+06  0.1240000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.4674806E+09  0.3739845E+06  0.1250000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.4712205E+09  0.3739845E+06  0.1260000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.4749603E+09  0.3739845E+06  0.1270000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.4787002E+09  0.3739845E+06  0.1280000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.4824400E+09  0.3739845E+06  0.1290000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.4861799E+09  0.3739845E+06  0.1300000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.4899197E+09  0.3739845E+06  0.1310000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.4936596E+09  0.3739845E+06  0.1320000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.4973994E+09  0.3739845E+06  0.1330000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.5011393E+09  0.3739845E+06  0.1340000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.5048791E+09  0.3739845E+06  0.1350000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.5086189E+09  0.3739845E+06  0.1360000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.5123588E+09  0.3739845E+06  0.1370000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.5160986E+09  0.3739845E+06  0.1380000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.5198385E+09  0.3739845E+06  0.1390000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.5235783E+09  0.3739845E+06  0.1400000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.5273182E+09  0.3739845E+06  0.1410000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.5310580E+09  0.3739845E+06  0.1420000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.5347979E+09  0.3739845E+06  0.1430000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.5385377E+09  0.3739845E+06  0.1440000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.5422775E+09  0.3739845E+06  0.1450000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.5460174E+09  0.3739845E+06  0.1460000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.5497572E+09  0.3739845E+06  0.1470000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.5534971E+09  0.3739845E+06  0.1480000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.5572369E+09  0.3739845E+06  0.1490000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.5609768E+09  0.3739845E+06  0.1500000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=150
    3                                                                           Line 6 : number of output p-y curves
  0.1000000E+01   17                                                                                    Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                                          Line 8( 1): y, p, for liquefied sand
  0.3000000E-02  0.8216309E-02                                                                          Line 8( 2): y, p, for liquefied sand
  0.6500000E-02  0.4314624E-01                                                                          Line 8( 3): y, p, for liquefied sand
  0.1000000E-01  0.1087025E+00                                                                          Line 8( 4): y, p, for liquefied sand
  0.1250000E-01  0.1754321E+00                                                                          Line 8( 5): y, p, for liquefied sand
  0.1500000E-01  0.2593887E+00                                                                          Line 8( 6): y, p, for liquefied sand
  0.3000000E-01  0.1147238E+01                                                                          Line 8( 7): y, p, for liquefied sand
  0.4500000E-01  0.2737569E+01                                                                          Line 8( 8): y, p, for liquefied sand
  0.6000000E-01  0.5074061E+01                                                                          Line 8( 9): y, p, for liquefied sand
  0.7500000E-01  0.8188897E+01                                                                          Line 8(10): y, p, for liquefied sand
  0.9000000E-01  0.1210786E+02                                                                          Line 8(11): y, p, for liquefied sand
  0.1000000E+00  0.1517805E+02                                                                          Line 8(12): y, p, for liquefied sand
  0.1150000E+00  0.2048385E+02                                                                          Line 8(13): y, p, for liquefied sand
  0.1250000E+00  0.2449547E+02                                                                          Line 8(14): y, p, for liquefied sand
  0.1400000E+00  0.3123614E+02                                                                          Line 8(15): y, p, for liquefied sand
  0.1500000E+00  0.3621827E+02                                                                          Line 8(16): y, p, for liquefied sand
  0.1575000E+00  0.3621827E+02                                                                          Line 8(17): y, p, for liquefied sand
  0.4000000E+01   17                                                                                    Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                                          Line 8( 1): y, p, for liquefied sand
  0.4522598E-02  0.1014358E+01                                                                          Line 8( 2): y, p, for liquefied sand
  0.9045196E-02  0.2816269E+01                                                                          Line 8( 3): y, p, for liquefied sand
  0.1356779E-01  0.5117939E+01                                                                          Line 8( 4): y, p, for liquefied sand
  0.1809039E-01  0.7819107E+01                                                                          Line 8( 5): y, p, for liquefied sand
  0.2261299E-01  0.1086242E+02                                                                          Line 8( 6): y, p, for liquefied sand
  0.2713559E-01  0.1420947E+02                                                                          Line 8( 7): y, p, for liquefied sand
  0.3165819E-01  0.1783221E+02                                                                          Line 8( 8): y, p, for liquefied sand
  0.3618079E-01  0.2170901E+02                                                                          Line 8( 9): y, p, for liquefied sand
  0.4070338E-01  0.2582254E+02                                                                          Line 8(10): y, p, for liquefied sand
  0.4522598E-01  0.3015850E+02                                                                          Line 8(11): y, p, for liquefied sand
  0.4974858E-01  0.3470485E+02                                                                          Line 8(12): y, p, for liquefied sand
  0.5427118E-01  0.3945127E+02                                                                          Line 8(13): y, p, for liquefied sand
  0.5879378E-01  0.4438878E+02                                                                          Line 8(14): y, p, for liquefied sand
  0.6331637E-01  0.4950946E+02                                                                          Line 8(15): y, p, for liquefied sand
  0.6783897E-01  0.5480632E+02                                                                          Line 8(16): y, p, for liquefied sand
  0.7123092E-01  0.5480632E+02                                                                          Line 8(17): y, p, for liquefied sand
  0.8000000E+01   17                                                                                    Line 7:  p-y curve depth in sand, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for sand
  0.3345206E-03  0.5244573E+02                                                                          Line 8(2): y, p, for sand
  0.1213201E-02  0.1147868E+03                                                                          Line 8(3): y, p, for sand
  0.2091881E-02  0.1598628E+03                                                                          Line 8(4): y, p, for sand
  0.2970560E-02  0.1978549E+03                                                                          Line 8(5): y, p, for sand
  0.3849240E-02  0.2316162E+03                                                                          Line 8(6): y, p, for sand
  0.4727920E-02  0.2624584E+03                                                                          Line 8(7): y, p, for sand
  0.5606600E-02  0.2911188E+03                                                                          Line 8(8): y, p, for sand
  0.6485280E-02  0.3180634E+03                                                                          Line 8(9): y, p, for sand
  0.7363960E-02  0.3436092E+03                                                                          Line 8(10): y, p, for sand
  0.8242640E-02  0.3679843E+03                                                                          Line 8(11): y, p, for sand
  0.9121320E-02  0.3913597E+03                                                                          Line 8(12): y, p, for sand
  0.1000000E-01  0.4138672E+03                                                                          Line 8(13): y, p, for sand
  0.1625000E-01  0.5711367E+03                                                                          Line 8(14): y, p, for sand
  0.2250000E-01  0.7284062E+03                                                                          Line 8(15): y, p, for sand
  0.2306250E-01  0.7284062E+03                                                                          Line 8(16): y, p, for sand
  0.2362500E-01  0.7284062E+03                                                                          Line 8(17): y, p, for sand
    2  101    2                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.7177560E-01  0.6487597E-09  0.1500000E+03 -0.4015987E+01  0.3739845E+06              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+00  0.6923915E-01  0.2991968E+02  0.1492078E+03 -0.3906383E+01  0.3739845E+06              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+00  0.6670590E-01  0.5968311E+02  0.1484163E+03 -0.4008281E+01  0.3739845E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.6417903E-01  0.8928620E+02  0.1475920E+03 -0.4234740E+01  0.3739845E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+00  0.6166172E-01  0.1187199E+03  0.1467139E+03 -0.4546398E+01  0.3739845E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+01  0.5915710E-01  0.1479718E+03  0.1457670E+03 -0.4922371E+01  0.3739845E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.5666831E-01  0.1770267E+03  0.1447398E+03 -0.5349871E+01  0.3739845E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+01  0.5419845E-01  0.2058677E+03  0.1436228E+03 -0.5819893E+01  0.3739845E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+01  0.5175062E-01  0.2344758E+03  0.1424083E+03 -0.6325227E+01  0.3739845E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.4932786E-01  0.2628310E+03  0.1410898E+03 -0.6859448E+01  0.3739845E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+01  0.4693321E-01  0.2909118E+03  0.1396622E+03 -0.7416379E+01  0.3739845E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2200000E+01  0.4456968E-01  0.3186959E+03  0.1381216E+03 -0.7989792E+01  0.3739845E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01  0.4224023E-01  0.3461604E+03  0.1364653E+03 -0.8573243E+01  0.3739845E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2600000E+01  0.3994781E-01  0.3732820E+03  0.1346920E+03 -0.9159977E+01  0.3739845E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2800000E+01  0.3769531E-01  0.4000372E+03  0.1328017E+03 -0.9742900E+01  0.3739845E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01  0.3548560E-01  0.4264027E+03  0.1307960E+03 -0.1031456E+02  0.3739845E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3200000E+01  0.3332149E-01  0.4523556E+03  0.1286778E+03 -0.1086720E+02  0.3739845E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3400000E+01  0.3120577E-01  0.4778738E+03  0.1264518E+03 -0.1139277E+02  0.3739845E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01  0.2914116E-01  0.5029363E+03  0.1241242E+03 -0.1188299E+02  0.3739845E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3800000E+01  0.2713034E-01  0.5275235E+03  0.1217030E+03 -0.1232949E+02  0.3739845E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+01  0.2517595E-01  0.5516175E+03  0.1191976E+03 -0.1272384E+02  0.3739845E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01  0.2328055E-01  0.5752025E+03  0.1166195E+03 -0.1305771E+02  0.3739845E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4400000E+01  0.2144667E-01  0.5982653E+03  0.1139814E+03 -0.1332301E+02  0.3739845E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4600000E+01  0.1967678E-01  0.6207951E+03  0.1112979E+03 -0.1351201E+02  0.3739845E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01  0.1797329E-01  0.6427844E+03  0.1085849E+03 -0.1361757E+02  0.3739845E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+01  0.1633855E-01  0.6642291E+03  0.1058599E+03 -0.1363331E+02  0.3739845E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5200000E+01  0.1477486E-01  0.6851284E+03  0.1031411E+03 -0.1355384E+02  0.3739845E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01  0.1328444E-01  0.7054855E+03  0.1004483E+03 -0.1337501E+02  0.3739845E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5600000E+01  0.1186948E-01  0.7253077E+03  0.9780134E+02 -0.1309420E+02  0.3739845E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5800000E+01  0.1053209E-01  0.7446061E+03  0.9522086E+02 -0.1271059E+02  0.3739845E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01  0.9274347E-02  0.7633960E+03  0.8016578E+02 -0.1378402E+03  0.3739845E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6200000E+01  0.8098252E-02  0.7766724E+03  0.5205388E+02 -0.1432789E+03  0.3739845E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6400000E+01  0.7005227E-02  0.7842176E+03  0.2310171E+02 -0.1462427E+03  0.3739845E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01  0.5996079E-02  0.7859131E+03 -0.6567675E+01 -0.1504511E+03  0.3739845E+06              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6800000E+01  0.5070989E-02  0.7815905E+03 -0.3687193E+02 -0.1525915E+03  0.3739845E+06              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+01  0.4229495E-02  0.7711643E+03 -0.6738240E+02 -0.1525132E+03  0.3739845E+06              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01  0.3470483E-02  0.7546376E+03 -0.9764268E+02 -0.1500896E+03  0.3739845E+06              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7400000E+01  0.2792183E-02  0.7321072E+03 -0.1271731E+03 -0.1452143E+03  0.3739845E+06              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7600000E+01  0.2192187E-02  0.7037683E+03 -0.1554737E+03 -0.1377918E+03  0.3739845E+06              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01  0.1667463E-02  0.6699178E+03 -0.1820249E+03 -0.1277207E+03  0.3739845E+06              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+01  0.1214391E-02  0.6309584E+03 -0.2062828E+03 -0.1148581E+03  0.3739845E+06              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8200000E+01  0.8288047E-03  0.5874046E+03 -0.2276629E+03 -0.9894287E+02  0.3739845E+06              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01  0.5060445E-03  0.5398932E+03 -0.2454968E+03 -0.7939625E+02  0.3739845E+06              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8600000E+01  0.2410294E-03  0.4892059E+03 -0.2577070E+03 -0.4270528E+02  0.3739845E+06              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8800000E+01  0.2833787E-04  0.4368104E+03 -0.2624988E+03 -0.5213566E+01  0.3739845E+06              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01 -0.1376340E-03  0.3842064E+03 -0.2603944E+03  0.2625764E+02  0.3739845E+06              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9200000E+01 -0.2625126E-03  0.3326526E+03 -0.2525820E+03  0.5186691E+02  0.3739845E+06              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9400000E+01 -0.3518119E-03  0.2831736E+03 -0.2402050E+03  0.7190287E+02  0.3739845E+06              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01 -0.4108240E-03  0.2365706E+03 -0.2243390E+03  0.8675729E+02  0.3739845E+06              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9800000E+01 -0.4445333E-03  0.1934380E+03 -0.2059734E+03  0.9689882E+02  0.3739845E+06              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+02 -0.4575533E-03  0.1541813E+03 -0.1859987E+03  0.1028483E+03  0.3739845E+06              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02 -0.4540826E-03  0.1190385E+03 -0.1651982E+03  0.1051559E+03  0.3739845E+06              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1040000E+02 -0.4378800E-03  0.8810200E+02 -0.1442445E+03  0.1043813E+03  0.3739845E+06              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1060000E+02 -0.4122543E-03  0.6134071E+02 -0.1236988E+03  0.1010760E+03  0.3739845E+06              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02 -0.3800678E-03  0.3862247E+02 -0.1040143E+03  0.9576902E+02  0.3739845E+06              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+02 -0.3437504E-03  0.1973499E+02 -0.8554187E+02  0.8895531E+02  0.3739845E+06              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1120000E+02 -0.3053223E-03  0.4405725E+01 -0.6853763E+02  0.8108711E+02  0.3739845E+06              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02 -0.2664229E-03 -0.7680059E+01 -0.5317212E+02  0.7256794E+02  0.3739845E+06              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1160000E+02 -0.2283450E-03 -0.1686312E+02 -0.3954042E+02  0.6374906E+02  0.3739845E+06              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1180000E+02 -0.1920706E-03 -0.2349623E+02 -0.2767271E+02  0.5492812E+02  0.3739845E+06              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02 -0.1583094E-03 -0.2793221E+02 -0.1754493E+02  0.4634962E+02  0.3739845E+06              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1220000E+02 -0.1275356E-03 -0.3051420E+02 -0.9089276E+01  0.3820696E+02  0.3739845E+06              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1240000E+02 -0.1000256E-03 -0.3156792E+02 -0.2204009E+01  0.3064571E+02  0.3739845E+06              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1260000E+02 -0.7589190E-04 -0.3139581E+02  0.3237335E+01  0.2376773E+02  0.3739845E+06              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1280000E+02 -0.5511622E-04 -0.3027298E+02  0.7377710E+01  0.1763602E+02  0.3739845E+06              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1300000E+02 -0.3757842E-04 -0.2844472E+02  0.1036929E+02  0.1227983E+02  0.3739845E+06              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1320000E+02 -0.2308296E-04 -0.2612527E+02  0.1236728E+02  0.7699986E+01  0.3739845E+06              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1340000E+02 -0.1138177E-04 -0.2349781E+02  0.1352469E+02  0.3874112E+01  0.3739845E+06              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1360000E+02 -0.2193812E-05 -0.2071539E+02  0.1398826E+02  0.7616450E+00  0.3739845E+06              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1380000E+02  0.4778502E-05 -0.1790251E+02  0.1389528E+02 -0.1691488E+01  0.3739845E+06              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+02  0.9836030E-05 -0.1515728E+02  0.1337127E+02 -0.3548631E+01  0.3739845E+06              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1420000E+02  0.1327239E-04 -0.1255400E+02  0.1252854E+02 -0.4878649E+01  0.3739845E+06              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1440000E+02  0.1536602E-04 -0.1014587E+02  0.1146540E+02 -0.5752713E+01  0.3739845E+06              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1460000E+02  0.1637449E-04 -0.7967840E+01  0.1026597E+02 -0.6241608E+01  0.3739845E+06              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1480000E+02  0.1653075E-04 -0.6039478E+01  0.9000450E+01 -0.6413579E+01  0.3739845E+06              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+02  0.1604105E-04 -0.4367660E+01  0.7725826E+01 -0.6332664E+01  0.3739845E+06              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1520000E+02  0.1508419E-04 -0.2949148E+01  0.6486810E+01 -0.6057492E+01  0.3739845E+06              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1540000E+02  0.1381191E-04 -0.1772936E+01  0.5317012E+01 -0.5640492E+01  0.3739845E+06              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1560000E+02  0.1235000E-04 -0.8223430E+00  0.4240217E+01 -0.5127459E+01  0.3739845E+06              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1580000E+02  0.1080014E-04 -0.7684873E-01  0.3271728E+01 -0.4557430E+01  0.3739845E+06              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+02  0.9242059E-05  0.4863483E+00  0.2419705E+01 -0.3962798E+01  0.3739845E+06              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1620000E+02  0.7735994E-05  0.8910334E+00  0.1686462E+01 -0.3369635E+01  0.3739845E+06              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1640000E+02  0.6325231E-05  0.1160933E+01  0.1069684E+01 -0.2798148E+01  0.3739845E+06              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1660000E+02  0.5038637E-05  0.1318907E+01  0.5635441E+00 -0.2263249E+01  0.3739845E+06              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1680000E+02  0.3893109E-05  0.1386351E+01  0.1597017E+00 -0.1775175E+01  0.3739845E+06              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1700000E+02  0.2895860E-05  0.1382788E+01 -0.1518300E+00 -0.1340142E+01  0.3739845E+06              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1720000E+02  0.2046508E-05  0.1325619E+01 -0.3819439E+00 -0.9609966E+00  0.3739845E+06              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1740000E+02  0.1338940E-05  0.1230010E+01 -0.5418278E+00 -0.6378424E+00  0.3739845E+06              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1760000E+02  0.7629286E-06  0.1108888E+01 -0.6424751E+00 -0.3686309E+00  0.3739845E+06              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1780000E+02  0.3055201E-06  0.9730200E+00 -0.6943081E+00 -0.1496984E+00  0.3739845E+06              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+02 -0.4781774E-07  0.8311644E+00 -0.7069024E+00  0.2375484E-01  0.3739845E+06              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1820000E+02 -0.3122573E-06  0.6902590E+00 -0.6888023E+00  0.1572462E+00  0.3739845E+06              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1840000E+02 -0.5028694E-06  0.5556435E+00 -0.6474123E+00  0.2566539E+00  0.3739845E+06              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1860000E+02 -0.6340519E-06  0.4312941E+00 -0.5889551E+00  0.3279182E+00  0.3739845E+06              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1880000E+02 -0.7191047E-06  0.3200614E+00 -0.5184837E+00  0.3767956E+00  0.3739845E+06              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1900000E+02 -0.7699250E-06  0.2239006E+00 -0.4399382E+00  0.4086598E+00  0.3739845E+06              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1920000E+02 -0.7967977E-06  0.1440862E+00 -0.3562380E+00  0.4283415E+00  0.3739845E+06              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1940000E+02 -0.8082595E-06  0.8140537E-01 -0.2694040E+00  0.4399993E+00  0.3739845E+06              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1960000E+02 -0.8110145E-06  0.3632457E-01 -0.1807026E+00  0.4470139E+00  0.3739845E+06              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1980000E+02 -0.8098843E-06  0.9124319E-02 -0.9081142E-01  0.4518982E+00  0.3739845E+06              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+02 -0.8077782E-06  0.0000000E+00  0.0000000E+00  0.4562160E+00  0.3739845E+06              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.2012207E-01 -0.6177080E+03  0.1500000E+03 -0.1070834E+00  0.3739845E+06              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+00  0.2008904E-01 -0.5877102E+03  0.1499745E+03 -0.1480867E+00  0.3739845E+06              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+00  0.1999315E-01 -0.5577182E+03  0.1499395E+03 -0.2012686E+00  0.3739845E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.1983760E-01 -0.5277343E+03  0.1498926E+03 -0.2681066E+00  0.3739845E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+00  0.1962561E-01 -0.4977612E+03  0.1498308E+03 -0.3500422E+00  0.3739845E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+01  0.1936038E-01 -0.4678020E+03  0.1497510E+03 -0.4483934E+00  0.3739845E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.1904512E-01 -0.4378608E+03  0.1496497E+03 -0.5642888E+00  0.3739845E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+01  0.1868303E-01 -0.4079422E+03  0.1495234E+03 -0.6986125E+00  0.3739845E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+01  0.1827730E-01 -0.3780515E+03  0.1493683E+03 -0.8519548E+00  0.3739845E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.1783114E-01 -0.3481948E+03  0.1491807E+03 -0.1024568E+01  0.3739845E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+01  0.1734774E-01 -0.3183792E+03  0.1489566E+03 -0.1216325E+01  0.3739845E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2200000E+01  0.1683028E-01 -0.2886122E+03  0.1486923E+03 -0.1426689E+01  0.3739845E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01  0.1628196E-01 -0.2589023E+03  0.1483842E+03 -0.1654680E+01  0.3739845E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2600000E+01  0.1570594E-01 -0.2292585E+03  0.1480288E+03 -0.1898856E+01  0.3739845E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2800000E+01  0.1510541E-01 -0.1996907E+03  0.1476232E+03 -0.2157296E+01  0.3739845E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01  0.1448351E-01 -0.1702092E+03  0.1471647E+03 -0.2427594E+01  0.3739845E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3200000E+01  0.1384341E-01 -0.1408249E+03  0.1466513E+03 -0.2706859E+01  0.3739845E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3400000E+01  0.1318825E-01 -0.1115487E+03  0.1460814E+03 -0.2991728E+01  0.3739845E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01  0.1252116E-01 -0.8239230E+02  0.1454544E+03 -0.3278387E+01  0.3739845E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3800000E+01  0.1184525E-01 -0.5336699E+02  0.1447703E+03 -0.3562604E+01  0.3739845E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+01  0.1116364E-01 -0.2448419E+02  0.1440300E+03 -0.3839777E+01  0.3739845E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01  0.1047941E-01  0.4245025E+01  0.1432356E+03 -0.4104991E+01  0.3739845E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4400000E+01  0.9795632E-02  0.3281004E+02  0.1423898E+03 -0.4353095E+01  0.3739845E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4600000E+01  0.9115364E-02  0.6120093E+02  0.1414966E+03 -0.4578793E+01  0.3739845E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01  0.8441642E-02  0.8940867E+02  0.1405610E+03 -0.4776753E+01  0.3739845E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+01  0.7777482E-02  0.1174253E+03  0.1395892E+03 -0.4941738E+01  0.3739845E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5200000E+01  0.7125882E-02  0.1452443E+03  0.1385881E+03 -0.5068751E+01  0.3739845E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01  0.6489817E-02  0.1728606E+03  0.1375659E+03 -0.5153214E+01  0.3739845E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5600000E+01  0.5872240E-02  0.2002707E+03  0.1365315E+03 -0.5191160E+01  0.3739845E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5800000E+01  0.5276084E-02  0.2274732E+03  0.1354944E+03 -0.5179464E+01  0.3739845E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01  0.4704257E-02  0.2544685E+03  0.1256484E+03 -0.9328125E+02  0.3739845E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6200000E+01  0.4159647E-02  0.2777325E+03  0.1066606E+03 -0.9659592E+02  0.3739845E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6400000E+01  0.3644742E-02  0.2971327E+03  0.8717107E+02 -0.9829969E+02  0.3739845E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01  0.3161618E-02  0.3126009E+03  0.6714585E+02 -0.1019525E+03  0.3739845E+06              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6800000E+01  0.2711928E-02  0.3239911E+03  0.4652098E+02 -0.1042961E+03  0.3739845E+06              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+01  0.2296891E-02  0.3312093E+03  0.2556936E+02 -0.1052201E+03  0.3739845E+06              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01  0.1917280E-02  0.3342188E+03  0.4584088E+01 -0.1046327E+03  0.3739845E+06              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7400000E+01  0.1573414E-02  0.3330430E+03 -0.1612525E+02 -0.1024606E+03  0.3739845E+06              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7600000E+01  0.1265170E-02  0.3277687E+03 -0.3623586E+02 -0.9864550E+02  0.3739845E+06              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01  0.9919832E-03  0.3185486E+03 -0.5541420E+02 -0.9313787E+02  0.3739845E+06              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+01  0.7528668E-03  0.3056030E+03 -0.7331647E+02 -0.8588481E+02  0.3739845E+06              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8200000E+01  0.5464366E-03  0.2892220E+03 -0.8958544E+02 -0.7680493E+02  0.3739845E+06              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01  0.3709406E-03  0.2697689E+03 -0.1035860E+03 -0.6320039E+02  0.3739845E+06              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8600000E+01  0.2242980E-03  0.2477877E+03 -0.1138801E+03 -0.3974083E+02  0.3739845E+06              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8800000E+01  0.1041578E-03  0.2242168E+03 -0.1197705E+03 -0.1916283E+02  0.3739845E+06              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01  0.7999087E-05  0.1998795E+03 -0.1218394E+03 -0.1526056E+01  0.3739845E+06              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9200000E+01 -0.6678129E-04  0.1754811E+03 -0.1206725E+03  0.1319456E+02  0.3739845E+06              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9400000E+01 -0.1227929E-03  0.1516105E+03 -0.1168434E+03  0.2509625E+02  0.3739845E+06              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01 -0.1625887E-03  0.1287437E+03 -0.1109003E+03  0.3433528E+02  0.3739845E+06              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9800000E+01 -0.1886146E-03  0.1072504E+03 -0.1033553E+03  0.4111399E+02  0.3739845E+06              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+02 -0.2031695E-03  0.8740158E+02 -0.9467712E+02  0.4566818E+02  0.3739845E+06              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02 -0.2083761E-03  0.6937951E+02 -0.8528476E+02  0.4825549E+02  0.3739845E+06              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1040000E+02 -0.2061622E-03  0.5328767E+02 -0.7554474E+02  0.4914470E+02  0.3739845E+06              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1060000E+02 -0.1982489E-03  0.3916162E+02 -0.6576963E+02  0.4860641E+02  0.3739845E+06              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02 -0.1861469E-03  0.2697982E+02 -0.5621848E+02  0.4690507E+02  0.3739845E+06              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+02 -0.1711593E-03  0.1667423E+02 -0.4709873E+02  0.4429240E+02  0.3739845E+06              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1120000E+02 -0.1543883E-03  0.8140330E+01 -0.3856927E+02  0.4100226E+02  0.3739845E+06              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02 -0.1367466E-03  0.1246522E+01 -0.3074435E+02  0.3724688E+02  0.3739845E+06              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1160000E+02 -0.1189716E-03 -0.4157411E+01 -0.2369823E+02  0.3321436E+02  0.3739845E+06              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1180000E+02 -0.1016413E-03 -0.8232770E+01 -0.1747007E+02  0.2906725E+02  0.3739845E+06              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02 -0.8519152E-04 -0.1114544E+02 -0.1206912E+02  0.2494227E+02  0.3739845E+06              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1220000E+02 -0.6993380E-04 -0.1306042E+02 -0.7479821E+01  0.2095068E+02  0.3739845E+06              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1240000E+02 -0.5607298E-04 -0.1413737E+02 -0.3666796E+01  0.1717957E+02  0.3739845E+06              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1260000E+02 -0.4372424E-04 -0.1452713E+02 -0.5794893E+00  0.1369350E+02  0.3739845E+06              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1280000E+02 -0.3292926E-04 -0.1436916E+02  0.1843527E+01  0.1053666E+02  0.3739845E+06              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1300000E+02 -0.2367116E-04 -0.1378972E+02  0.3670717E+01  0.7735233E+01  0.3739845E+06              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1320000E+02 -0.1588796E-04 -0.1290088E+02  0.4974229E+01  0.5299886E+01  0.3739845E+06              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1340000E+02 -0.9484587E-05 -0.1180003E+02  0.5827053E+01  0.3228352E+01  0.3739845E+06              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1360000E+02 -0.4343301E-05 -0.1057005E+02  0.6300678E+01  0.1507902E+01  0.3739845E+06              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1380000E+02 -0.3325499E-06 -0.9279761E+01  0.6463240E+01  0.1177156E+00  0.3739845E+06              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+02  0.2685673E-05 -0.7984758E+01  0.6378118E+01 -0.9689336E+00  0.3739845E+06              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1420000E+02  0.4849875E-05 -0.6728514E+01  0.6102954E+01 -0.1782711E+01  0.3739845E+06              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1440000E+02  0.6294420E-05 -0.5543577E+01  0.5689033E+01 -0.2356497E+01  0.3739845E+06              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1460000E+02  0.7146045E-05 -0.4452900E+01  0.5180991E+01 -0.2723920E+01  0.3739845E+06              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1480000E+02  0.7521404E-05 -0.3471181E+01  0.4616784E+01 -0.2918145E+01  0.3739845E+06              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+02  0.7525499E-05 -0.2606187E+01  0.4027879E+01 -0.2970907E+01  0.3739845E+06              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1520000E+02  0.7250845E-05 -0.1860029E+01  0.3439610E+01 -0.2911785E+01  0.3739845E+06              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1540000E+02  0.6777249E-05 -0.1230343E+01  0.2871663E+01 -0.2767685E+01  0.3739845E+06              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1560000E+02  0.6172061E-05 -0.7113637E+00  0.2338644E+01 -0.2562509E+01  0.3739845E+06              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1580000E+02  0.5490788E-05 -0.2948851E+00  0.1850693E+01 -0.2316996E+01  0.3739845E+06              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+02  0.4777975E-05  0.2891359E-01  0.1414124E+01 -0.2048694E+01  0.3739845E+06              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1620000E+02  0.4068254E-05  0.2707646E+00  0.1032050E+01 -0.1772045E+01  0.3739845E+06              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1640000E+02  0.3387494E-05  0.4417337E+00  0.7049903E+00 -0.1498555E+01  0.3739845E+06              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1660000E+02  0.2753980E-05  0.5527607E+00  0.4314319E+00 -0.1237029E+01  0.3739845E+06              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1680000E+02  0.2179587E-05  0.6143065E+00  0.2083444E+00 -0.9938452E+00  0.3739845E+06              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1700000E+02  0.1670897E-05  0.6360985E+00  0.3163433E-01 -0.7732558E+00  0.3739845E+06              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1720000E+02  0.1230243E-05  0.6269602E+00 -0.1034609E+00 -0.5776960E+00  0.3739845E+06              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1740000E+02  0.8566460E-06  0.5947141E+00 -0.2020392E+00 -0.4080879E+00  0.3739845E+06              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1760000E+02  0.5466573E-06  0.5461445E+00 -0.2692614E+00 -0.2641332E+00  0.3739845E+06              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1780000E+02  0.2950823E-06  0.4870096E+00 -0.3101331E+00 -0.1445841E+00  0.3739845E+06              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+02  0.9559600E-07  0.4220913E+00 -0.3293405E+00 -0.4749006E-01  0.3739845E+06              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1820000E+02 -0.5874497E-07  0.3552734E+00 -0.3311312E+00  0.2958272E-01  0.3739845E+06              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1840000E+02 -0.1750872E-06  0.2896388E+00 -0.3192369E+00  0.8936080E-01  0.3739845E+06              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1860000E+02 -0.2604508E-06  0.2275786E+00 -0.2968308E+00  0.1346996E+00  0.3739845E+06              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1880000E+02 -0.3214734E-06  0.1709064E+00 -0.2665164E+00  0.1684452E+00  0.3739845E+06              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1900000E+02 -0.3642164E-06  0.1209721E+00 -0.2303400E+00  0.1933183E+00  0.3739845E+06              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1920000E+02 -0.3940208E-06  0.7877045E-01 -0.1898264E+00  0.2118172E+00  0.3739845E+06              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1940000E+02 -0.4154001E-06  0.4504150E-01 -0.1460312E+00  0.2261350E+00  0.3739845E+06              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1960000E+02 -0.4319620E-06  0.2035796E-01 -0.9960890E-01  0.2380883E+00  0.3739845E+06              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1980000E+02 -0.4463465E-06  0.5197941E-02 -0.5089489E-01  0.2490518E+00  0.3739845E+06              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+02 -0.4601750E-06  0.0000000E+00  0.0000000E+00  0.2598970E+00  0.3739845E+06              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.1500000E+03  0.7177560E-01  0.7859131E+03 -0.2624988E+03 -0.1268224E-01                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
  0.1500000E+03  0.2012207E-01 -0.6177080E+03  0.1500000E+03  0.8673617E-16                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
