    3    1    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                                                   Line 2 : Total number of sections
    1                                                                                                   Line 3d : Total number of axial thrusts for elastic section
  150            0.0000000E+00  0.0000000E+00                                                           Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.4842710E+10  0.4842710E+09  0.1000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.9685420E+10  0.4842710E+09  0.2000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.1452813E+11  0.4842710E+09  0.3000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.1937084E+11  0.4842710E+09  0.4000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.2421355E+11  0.4842710E+09  0.5000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.2905626E+11  0.4842710E+09  0.6000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.3389897E+11  0.4842710E+09  0.7000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.3874168E+11  0.4842710E+09  0.8000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.4358439E+11  0.4842710E+09  0.9000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.4842710E+11  0.4842710E+09  0.1000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.5326981E+11  0.4842710E+09  0.1100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.5811252E+11  0.4842710E+09  0.1200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.6295523E+11  0.4842710E+09  0.1300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.6779794E+11  0.4842710E+09  0.1400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.7264065E+11  0.4842710E+09  0.1500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.7748336E+11  0.4842710E+09  0.1600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.8232607E+11  0.4842710E+09  0.1700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.8716878E+11  0.4842710E+09  0.1800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.9201149E+11  0.4842710E+09  0.1900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.9685420E+11  0.4842710E+09  0.2000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1016969E+12  0.4842710E+09  0.2100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1065396E+12  0.4842710E+09  0.2200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1113823E+12  0.4842710E+09  0.2300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1162250E+12  0.4842710E+09  0.2400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1210678E+12  0.4842710E+09  0.2500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1259105E+12  0.4842710E+09  0.2600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1307532E+12  0.4842710E+09  0.2700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.1355959E+12  0.4842710E+09  0.2800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.1404386E+12  0.4842710E+09  0.2900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.1452813E+12  0.4842710E+09  0.3000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.1501240E+12  0.4842710E+09  0.3100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.1549667E+12  0.4842710E+09  0.3200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.1598094E+12  0.4842710E+09  0.3300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.1646521E+12  0.4842710E+09  0.3400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.1694948E+12  0.4842710E+09  0.3500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.1743376E+12  0.4842710E+09  0.3600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.1791803E+12  0.4842710E+09  0.3700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.1840230E+12  0.4842710E+09  0.3800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.1888657E+12  0.4842710E+09  0.3900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.1937084E+12  0.4842710E+09  0.4000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.1985511E+12  0.4842710E+09  0.4100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.2033938E+12  0.4842710E+09  0.4200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.2082365E+12  0.4842710E+09  0.4300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.2130792E+12  0.4842710E+09  0.4400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.2179220E+12  0.4842710E+09  0.4500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.2227647E+12  0.4842710E+09  0.4600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.2276074E+12  0.4842710E+09  0.4700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.2324501E+12  0.4842710E+09  0.4800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.2372928E+12  0.4842710E+09  0.4900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.2421355E+12  0.4842710E+09  0.5000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.2469782E+12  0.4842710E+09  0.5100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.2518209E+12  0.4842710E+09  0.5200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.2566636E+12  0.4842710E+09  0.5300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.2615063E+12  0.4842710E+09  0.5400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.2663490E+12  0.4842710E+09  0.5500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.2711918E+12  0.4842710E+09  0.5600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.2760345E+12  0.4842710E+09  0.5700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.2808772E+12  0.4842710E+09  0.5800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.2857199E+12  0.4842710E+09  0.5900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.2905626E+12  0.4842710E+09  0.6000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.2954053E+12  0.4842710E+09  0.6100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.3002480E+12  0.4842710E+09  0.6200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.3050907E+12  0.4842710E+09  0.6300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.3099334E+12  0.4842710E+09  0.6400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.3147762E+12  0.4842710E+09  0.6500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.3196189E+12  0.4842710E+09  0.6600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.3244616E+12  0.4842710E+09  0.6700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.3293043E+12  0.4842710E+09  0.6800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.3341470E+12  0.4842710E+09  0.6900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.3389897E+12  0.4842710E+09  0.7000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.3438324E+12  0.4842710E+09  0.7100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.3486751E+12  0.4842710E+09  0.7200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.3535178E+12  0.4842710E+09  0.7300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.3583605E+12  0.4842710E+09  0.7400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.3632032E+12  0.4842710E+09  0.7500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.3680460E+12  0.4842710E+09  0.7600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.3728887E+12  0.4842710E+09  0.7700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.3777314E+12  0.4842710E+09  0.7800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.3825741E+12  0.4842710E+09  0.7900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.3874168E+12  0.4842710E+09  0.8000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.3922595E+12  0.4842710E+09  0.8100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.3971022E+12  0.4842710E+09  0.8200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.4019449E+12  0.4842710E+09  0.8300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.4067876E+12  0.4842710E+09  0.8400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.4116304E+12  0.4842710E+09  0.8500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.4164731E+12  0.4842710E+09  0.8600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.4213158E+12  0.4842710E+09  0.8700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.4261585E+12  0.4842710E+09  0.8800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.4310012E+12  0.4842710E+09  0.8900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.4358439E+12  0.4842710E+09  0.9000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.4406866E+12  0.4842710E+09  0.9100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.4455293E+12  0.4842710E+09  0.9200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.4503720E+12  0.4842710E+09  0.9300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.4552147E+12  0.4842710E+09  0.9400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.4600574E+12  0.4842710E+09  0.9500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.4649002E+12  0.4842710E+09  0.9600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.4697429E+12  0.4842710E+09  0.9700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.4745856E+12  0.4842710E+09  0.9800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.4794283E+12  0.4842710E+09  0.9900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.4842710E+12  0.4842710E+09  0.1000000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.4891137E+12  0.4842710E+09  0.1010000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.4939564E+12  0.4842710E+09  0.1020000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.4987991E+12  0.4842710E+09  0.1030000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.5036418E+12  0.4842710E+09  0.1040000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.5084846E+12  0.4842710E+09  0.1050000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.5133273E+12  0.4842710E+09  0.1060000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.5181700E+12  0.4842710E+09  0.1070000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.5230127E+12  0.4842710E+09  0.1080000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.5278554E+12  0.4842710E+09  0.1090000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.5326981E+12  0.4842710E+09  0.1100000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.5375408E+12  0.4842710E+09  0.1110000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.5423835E+12  0.4842710E+09  0.1120000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.5472262E+12  0.4842710E+09  0.1130000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.5520689E+12  0.4842710E+09  0.1140000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.5569116E+12  0.4842710E+09  0.1150000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.5617544E+12  0.4842710E+09  0.1160000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.5665971E+12  0.4842710E+09  0.1170000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.5714398E+12  0.4842710E+09  0.1180000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.5762825E+12  0.4842710E+09  0.1190000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.5811252E+12  0.4842710E+09  0.1200000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.5859679E+12  0.4842710E+09  0.1210000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.5908106E+12  0.4842710E+09  0.1220000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.5956533E+12  0.4842710E+09  0.1230000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.6004960E+12  0.4842710E+09  0.1240000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.6053388E+12  0.4842710E+09  0.1250000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.6101815E+12  0.4842710E+09  0.1260000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.6150242E+12  0.4842710E+09  0.1270000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.6198669E+12  0.4842710E+09  0.1280000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.6247096E+12  0.4842710E+09  0.1290000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.6295523E+12  0.4842710E+09  0.1300000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.6343950E+12  0.4842710E+09  0.1310000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.6392377E+12  0.4842710E+09  0.1320000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.6440804E+12  0.4842710E+09  0.1330000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.6489231E+12  0.4842710E+09  0.1340000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.6537658E+12  0.4842710E+09  0.1350000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.6586086E+12  0.4842710E+09  0.1360000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.6634513E+12  0.4842710E+09  0.1370000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.6682940E+12  0.4842710E+09  0.1380000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.6731367E+12  0.4842710E+09  0.1390000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.6779794E+12  0.4842710E+09  0.1400000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.6828221E+12  0.4842710E+09  0.1410000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.6876648E+12  0.4842710E+09  0.1420000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.6925075E+12  0.4842710E+09  0.1430000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.6973502E+12  0.4842710E+09  0.1440000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.7021930E+12  0.4842710E+09  0.1450000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.7070357E+12  0.4842710E+09  0.1460000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.7118784E+12  0.4842710E+09  0.1470000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.7167211E+12  0.4842710E+09  0.1480000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.7215638E+12  0.4842710E+09  0.1490000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.7264065E+12  0.4842710E+09  0.1500000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    3                                                                           Line 6 : number of output p-y curves
  0.0000000E+00   17                                                                                    Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for API sand
  0.5000000E-01  0.0000000E+00                                                                          Line 8(2): y, p, for API sand
  0.1000000E+00  0.0000000E+00                                                                          Line 8(3): y, p, for API sand
  0.1500000E+00  0.0000000E+00                                                                          Line 8(4): y, p, for API sand
  0.2000000E+00  0.0000000E+00                                                                          Line 8(5): y, p, for API sand
  0.2500000E+00  0.0000000E+00                                                                          Line 8(6): y, p, for API sand
  0.3000000E+00  0.0000000E+00                                                                          Line 8(7): y, p, for API sand
  0.3500000E+00  0.0000000E+00                                                                          Line 8(8): y, p, for API sand
  0.4000000E+00  0.0000000E+00                                                                          Line 8(9): y, p, for API sand
  0.4500000E+00  0.0000000E+00                                                                          Line 8(10): y, p, for API sand
  0.5000000E+00  0.0000000E+00                                                                          Line 8(11): y, p, for API sand
  0.5500000E+00  0.0000000E+00                                                                          Line 8(12): y, p, for API sand
  0.6000000E+00  0.0000000E+00                                                                          Line 8(13): y, p, for API sand
  0.6500000E+00  0.0000000E+00                                                                          Line 8(14): y, p, for API sand
  0.7000000E+00  0.0000000E+00                                                                          Line 8(15): y, p, for API sand
  0.7500000E+00  0.0000000E+00                                                                          Line 8(16): y, p, for API sand
  0.8000000E+00  0.0000000E+00                                                                          Line 8(17): y, p, for API sand
  0.1200000E+03   17                                                                                    Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for API sand
  0.5037554E-01  0.3024231E+03                                                                          Line 8(2): y, p, for API sand
  0.1007511E+00  0.5829374E+03                                                                          Line 8(3): y, p, for API sand
  0.1511266E+00  0.8255539E+03                                                                          Line 8(4): y, p, for API sand
  0.2015022E+00  0.1023020E+04                                                                          Line 8(5): y, p, for API sand
  0.2518777E+00  0.1175940E+04                                                                          Line 8(6): y, p, for API sand
  0.3022532E+00  0.1289863E+04                                                                          Line 8(7): y, p, for API sand
  0.3526288E+00  0.1372309E+04                                                                          Line 8(8): y, p, for API sand
  0.4030043E+00  0.1430731E+04                                                                          Line 8(9): y, p, for API sand
  0.4533799E+00  0.1471514E+04                                                                          Line 8(10): y, p, for API sand
  0.5037554E+00  0.1499687E+04                                                                          Line 8(11): y, p, for API sand
  0.5541310E+00  0.1519008E+04                                                                          Line 8(12): y, p, for API sand
  0.6045065E+00  0.1532193E+04                                                                          Line 8(13): y, p, for API sand
  0.6548820E+00  0.1541160E+04                                                                          Line 8(14): y, p, for API sand
  0.7052576E+00  0.1547244E+04                                                                          Line 8(15): y, p, for API sand
  0.7556331E+00  0.1551366E+04                                                                          Line 8(16): y, p, for API sand
  0.8060087E+00  0.1554156E+04                                                                          Line 8(17): y, p, for API sand
  0.4800000E+03   17                                                                                    Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for API sand
  0.1351909E+00  0.4553667E+04                                                                          Line 8(2): y, p, for API sand
  0.2703818E+00  0.8777448E+04                                                                          Line 8(3): y, p, for API sand
  0.4055727E+00  0.1243059E+05                                                                          Line 8(4): y, p, for API sand
  0.5407636E+00  0.1540389E+05                                                                          Line 8(5): y, p, for API sand
  0.6759545E+00  0.1770645E+05                                                                          Line 8(6): y, p, for API sand
  0.8111454E+00  0.1942182E+05                                                                          Line 8(7): y, p, for API sand
  0.9463362E+00  0.2066323E+05                                                                          Line 8(8): y, p, for API sand
  0.1081527E+01  0.2154291E+05                                                                          Line 8(9): y, p, for API sand
  0.1216718E+01  0.2215699E+05                                                                          Line 8(10): y, p, for API sand
  0.1351909E+01  0.2258120E+05                                                                          Line 8(11): y, p, for API sand
  0.1487100E+01  0.2287212E+05                                                                          Line 8(12): y, p, for API sand
  0.1622291E+01  0.2307065E+05                                                                          Line 8(13): y, p, for API sand
  0.1757482E+01  0.2320567E+05                                                                          Line 8(14): y, p, for API sand
  0.1892672E+01  0.2329728E+05                                                                          Line 8(15): y, p, for API sand
  0.2027863E+01  0.2335935E+05                                                                          Line 8(16): y, p, for API sand
  0.2163054E+01  0.2340135E+05                                                                          Line 8(17): y, p, for API sand
    2  101    1                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.3526465E+00  0.2400000E+07  0.5000000E+05  0.0000000E+00  0.4886708E+12              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9600000E+01  0.3274430E+00  0.2880000E+07  0.4951260E+05 -0.1015417E+03  0.4886708E+12              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1920000E+02  0.3027826E+00  0.3350642E+07  0.4804567E+05 -0.2040691E+03  0.4886708E+12              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.2787541E+00  0.3802477E+07  0.4562820E+05 -0.2995692E+03  0.4886708E+12              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3840000E+02  0.2554428E+00  0.4226703E+07  0.4235012E+05 -0.3833642E+03  0.4886708E+12              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+02  0.2329286E+00  0.4615599E+07  0.3833588E+05 -0.4529363E+03  0.4886708E+12              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.2112848E+00  0.4962752E+07  0.3372765E+05 -0.5071125E+03  0.4886708E+12              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6720000E+02  0.1905770E+00  0.5263170E+07  0.2867497E+05 -0.5455290E+03  0.4886708E+12              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7680000E+02  0.1708618E+00  0.5513312E+07  0.2332881E+05 -0.5682541E+03  0.4886708E+12              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.1521864E+00  0.5711083E+07  0.1783909E+05 -0.5754369E+03  0.4886708E+12              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9600000E+02  0.1345880E+00  0.5855822E+07  0.1233430E+05 -0.5713959E+03  0.4886708E+12              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1056000E+03  0.1180940E+00  0.5947902E+07  0.6827434E+04 -0.5758668E+03  0.4886708E+12              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.1027218E+00  0.5986909E+07  0.1349844E+04 -0.5652978E+03  0.4886708E+12              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1248000E+03  0.8847860E-01  0.5973819E+07 -0.3964539E+04 -0.5418654E+03  0.4886708E+12              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1344000E+03  0.7536206E-01  0.5910790E+07 -0.9003515E+04 -0.5079213E+03  0.4886708E+12              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.6336024E-01  0.5800951E+07 -0.1367722E+05 -0.4657675E+03  0.4886708E+12              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1536000E+03  0.5245245E-01  0.5648187E+07 -0.1791708E+05 -0.4175368E+03  0.4886708E+12              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1632000E+03  0.4260987E-01  0.5456943E+07 -0.2167395E+05 -0.3651441E+03  0.4886708E+12              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.3379643E-01  0.5232047E+07 -0.2491596E+05 -0.3102755E+03  0.4886708E+12              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1824000E+03  0.2596972E-01  0.4978557E+07 -0.2762639E+05 -0.2543967E+03  0.4886708E+12              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1920000E+03  0.1908193E-01  0.4701621E+07 -0.2980159E+05 -0.1987693E+03  0.4886708E+12              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.1308083E-01  0.4406366E+07 -0.3144913E+05 -0.1444682E+03  0.4886708E+12              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2112000E+03  0.7910746E-02  0.4097797E+07 -0.3258608E+05 -0.9239694E+02  0.4886708E+12              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2208000E+03  0.3513478E-02  0.3780713E+07 -0.3323743E+05 -0.4330185E+02  0.4886708E+12              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03 -0.1707735E-03  0.3459639E+07 -0.3343464E+05  0.2216415E+01  0.4886708E+12              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2400000E+03 -0.3202560E-02  0.3138768E+07 -0.3321428E+05  0.4369264E+02  0.4886708E+12              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2496000E+03 -0.5642397E-02  0.2821925E+07 -0.3261678E+05  0.8078769E+02  0.4886708E+12              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03 -0.7550037E-02  0.2512526E+07 -0.3168525E+05  0.1132794E+03  0.4886708E+12              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2688000E+03 -0.8983832E-02  0.2213568E+07 -0.3046445E+05  0.1410537E+03  0.4886708E+12              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2784000E+03 -0.1000016E-01  0.1927609E+07 -0.2899974E+05  0.1640948E+03  0.4886708E+12              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03 -0.1065296E-01  0.1656773E+07 -0.2733620E+05  0.1824755E+03  0.4886708E+12              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2976000E+03 -0.1099330E-01  0.1402754E+07 -0.2551786E+05  0.1963469E+03  0.4886708E+12              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3072000E+03 -0.1106909E-01  0.1166830E+07 -0.2358694E+05  0.2059277E+03  0.4886708E+12              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03 -0.1092483E-01  0.9498843E+06 -0.2158332E+05  0.2114931E+03  0.4886708E+12              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3264000E+03 -0.1060142E-01  0.7524301E+06 -0.1954400E+05  0.2133640E+03  0.4886708E+12              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3360000E+03 -0.1013611E-01  0.5746394E+06 -0.1750276E+05  0.2118959E+03  0.4886708E+12              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.9562431E-02  0.4163771E+06 -0.1548981E+05  0.2074689E+03  0.4886708E+12              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3552000E+03 -0.8910222E-02  0.2772352E+06 -0.1353166E+05  0.2004774E+03  0.4886708E+12              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3648000E+03 -0.8205729E-02  0.1565692E+06 -0.1165103E+05  0.1913208E+03  0.4886708E+12              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.7471708E-02  0.5353535E+05 -0.9866795E+04  0.1803953E+03  0.4886708E+12              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3840000E+03 -0.6727590E-02 -0.3287326E+05 -0.8194082E+04  0.1680865E+03  0.4886708E+12              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3936000E+03 -0.5989672E-02 -0.1037910E+06 -0.6644407E+04  0.1547625E+03  0.4886708E+12              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.5271329E-02 -0.1604459E+06 -0.5225855E+04  0.1407690E+03  0.4886708E+12              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4128000E+03 -0.4583244E-02 -0.2041274E+06 -0.3943326E+04  0.1264245E+03  0.4886708E+12              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4224000E+03 -0.3933657E-02 -0.2361577E+06 -0.2798807E+04  0.1120171E+03  0.4886708E+12              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.3328607E-02 -0.2578645E+06 -0.1791673E+04  0.9780233E+02  0.4886708E+12              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4416000E+03 -0.2772189E-02 -0.2705579E+06 -0.9190147E+03  0.8400156E+02  0.4886708E+12              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4512000E+03 -0.2266796E-02 -0.2755096E+06 -0.1759594E+03  0.7080163E+02  0.4886708E+12              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03 -0.1813362E-02 -0.2739363E+06  0.4439929E+03  0.5835510E+02  0.4886708E+12              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4704000E+03 -0.1411591E-02 -0.2669850E+06  0.9486474E+03  0.4678127E+02  0.4886708E+12              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+03 -0.1060171E-02 -0.2557223E+06  0.1346803E+04  0.3616771E+02  0.4886708E+12              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03 -0.7569792E-03 -0.2411263E+06  0.1647955E+04  0.2657242E+02  0.4886708E+12              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4992000E+03 -0.4992619E-03 -0.2240815E+06  0.1862029E+04  0.1802623E+02  0.4886708E+12              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5088000E+03 -0.2838048E-03 -0.2053754E+06  0.1999125E+04  0.1053559E+02  0.4886708E+12              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03 -0.1070802E-03 -0.1856983E+06  0.2069307E+04  0.4085550E+01  0.4886708E+12              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5280000E+03  0.3462302E-04 -0.1656447E+06  0.2082403E+04 -0.1357231E+01  0.4886708E+12              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5376000E+03  0.1450868E-03 -0.1457162E+06  0.2047849E+04 -0.5841371E+01  0.4886708E+12              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03  0.2280694E-03 -0.1263260E+06  0.1974558E+04 -0.9427748E+01  0.4886708E+12              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5568000E+03  0.2872279E-03 -0.1078047E+06  0.1870809E+04 -0.1218658E+02  0.4886708E+12              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5664000E+03  0.3260551E-03 -0.9040646E+05  0.1744179E+04 -0.1419469E+02  0.4886708E+12              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.3478322E-03 -0.7431644E+05  0.1601486E+04 -0.1553295E+02  0.4886708E+12              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5856000E+03  0.3555938E-03 -0.5965793E+05  0.1448765E+04 -0.1628400E+02  0.4886708E+12              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5952000E+03  0.3521043E-03 -0.4650015E+05  0.1291256E+04 -0.1653022E+02  0.4886708E+12              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.3398452E-03 -0.3486580E+05  0.1133422E+04 -0.1635198E+02  0.4886708E+12              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6144000E+03  0.3210106E-03 -0.2473845E+05  0.9789668E+03 -0.1582615E+02  0.4886708E+12              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6240000E+03  0.2975105E-03 -0.1606964E+05  0.8308815E+03 -0.1502496E+02  0.4886708E+12              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.2709798E-03 -0.8785529E+04  0.6914894E+03 -0.1401505E+02  0.4886708E+12              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6432000E+03  0.2427923E-03 -0.2793045E+04  0.5625043E+03 -0.1285683E+02  0.4886708E+12              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6528000E+03  0.2140779E-03  0.2014553E+04  0.4450920E+03 -0.1160407E+02  0.4886708E+12              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03  0.1857435E-03  0.5752721E+04  0.3399349E+03 -0.1030366E+02  0.4886708E+12              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6720000E+03  0.1584940E-03  0.8541303E+04  0.2472981E+03 -0.8995674E+01  0.4886708E+12              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6816000E+03  0.1328554E-03  0.1050084E+05  0.1670943E+03 -0.7713450E+01  0.4886708E+12              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03  0.1091971E-03  0.1174951E+05  0.9894692E+02 -0.6483921E+01  0.4886708E+12              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7008000E+03  0.8775473E-04  0.1240063E+05  0.4224966E+02 -0.5328008E+01  0.4886708E+12              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7104000E+03  0.6865102E-04  0.1256071E+05 -0.3778082E+01 -0.4261105E+01  0.4886708E+12              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.5191617E-04  0.1232809E+05 -0.4004078E+02 -0.3293624E+01  0.4886708E+12              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7296000E+03  0.3750632E-04  0.1179192E+05 -0.6752177E+02 -0.2431583E+01  0.4886708E+12              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7392000E+03  0.2532035E-04  0.1103167E+05 -0.8724397E+02 -0.1677209E+01  0.4886708E+12              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7488000E+03  0.1521487E-04  0.1011684E+05 -0.1002363E+03 -0.1029532E+01  0.4886708E+12              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7584000E+03  0.7017358E-05  0.9107131E+04 -0.1075060E+03 -0.4849788E+00  0.4886708E+12              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7680000E+03  0.5373904E-06  0.8052725E+04 -0.1100159E+03 -0.3792639E-01  0.4886708E+12              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7776000E+03 -0.4423887E-05  0.6994825E+04 -0.1086679E+03  0.3187755E+00  0.4886708E+12              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7872000E+03 -0.8065989E-05  0.5966303E+04 -0.1042897E+03  0.5933297E+00  0.4886708E+12              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7968000E+03 -0.1058289E-04  0.4992462E+04 -0.9762785E+02  0.7945668E+00  0.4886708E+12              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8064000E+03 -0.1215824E-04  0.4091848E+04 -0.8934238E+02  0.9315720E+00  0.4886708E+12              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8160000E+03 -0.1296190E-04  0.3277088E+04 -0.8000667E+02  0.1013367E+01  0.4886708E+12              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8256000E+03 -0.1314752E-04  0.2555720E+04 -0.7010900E+02  0.1048647E+01  0.4886708E+12              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8352000E+03 -0.1285115E-04  0.1930995E+04 -0.6005679E+02  0.1045564E+01  0.4886708E+12              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8448000E+03 -0.1219060E-04  0.1402630E+04 -0.5018256E+02  0.1011567E+01  0.4886708E+12              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8544000E+03 -0.1126554E-04  0.9674901E+03 -0.4075129E+02  0.9532802E+00  0.4886708E+12              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+03 -0.1015800E-04  0.6202049E+03 -0.3196869E+02  0.8764283E+00  0.4886708E+12              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8736000E+03 -0.8933506E-05  0.3536913E+03 -0.2399001E+02  0.7857971E+00  0.4886708E+12              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8832000E+03 -0.7642305E-05  0.1595967E+03 -0.1692908E+02  0.6852289E+00  0.4886708E+12              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8928000E+03 -0.6321004E-05  0.2865292E+02 -0.1086727E+02  0.5776486E+00  0.4886708E+12              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9024000E+03 -0.4994300E-05 -0.4905482E+02 -0.5861988E+01  0.4651182E+00  0.4886708E+12              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9120000E+03 -0.3676847E-05 -0.8389726E+02 -0.1954624E+01  0.3489161E+00  0.4886708E+12              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9216000E+03 -0.2375217E-05 -0.8658359E+02  0.8224569E+00  0.2296424E+00  0.4886708E+12              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9312000E+03 -0.1089916E-05 -0.6810609E+02  0.2440010E+01  0.1073478E+00  0.4886708E+12              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9408000E+03  0.1825408E-06 -0.3973540E+02  0.2867377E+01 -0.1831302E-01  0.4886708E+12              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9504000E+03  0.1447504E-05 -0.1305245E+02  0.2069552E+01 -0.1479004E+00  0.4886708E+12              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9600000E+03  0.2710005E-05  0.0000000E+00  0.0000000E+00 -0.2819812E+00  0.4842710E+12              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.9499231E-01 -0.4680125E+07  0.5000000E+05  0.0000000E+00  0.4886708E+12              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9600000E+01  0.9455099E-01 -0.4200125E+07  0.4980883E+05 -0.3982626E+02  0.4886708E+12              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1920000E+02  0.9331756E-01 -0.3723795E+07  0.4923462E+05 -0.7980193E+02  0.4886708E+12              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.9138184E-01 -0.3254820E+07  0.4828149E+05 -0.1187660E+03  0.4886708E+12              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3840000E+02  0.8883228E-01 -0.2796790E+07  0.4696371E+05 -0.1557722E+03  0.4886708E+12              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+02  0.8575527E-01 -0.2353117E+07  0.4530383E+05 -0.1900361E+03  0.4886708E+12              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.8223448E-01 -0.1926957E+07  0.4333129E+05 -0.2209094E+03  0.4886708E+12              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6720000E+02  0.7835028E-01 -0.1521156E+07  0.4108119E+05 -0.2478610E+03  0.4886708E+12              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7680000E+02  0.7417920E-01 -0.1138198E+07  0.3859330E+05 -0.2704506E+03  0.4886708E+12              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.6979346E-01 -0.7801647E+06  0.3591139E+05 -0.2882793E+03  0.4886708E+12              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9600000E+02  0.6526058E-01 -0.4486992E+06  0.3308036E+05 -0.3015186E+03  0.4886708E+12              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1056000E+03  0.6064309E-01 -0.1450217E+06  0.3013008E+05 -0.3131247E+03  0.4886708E+12              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.5599825E-01  0.1297983E+06  0.2709104E+05 -0.3200071E+03  0.4886708E+12              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1248000E+03  0.5137788E-01  0.3751264E+06  0.2400786E+05 -0.3223234E+03  0.4886708E+12              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1344000E+03  0.4682826E-01  0.5907491E+06  0.2092316E+05 -0.3203209E+03  0.4886708E+12              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.4239005E-01  0.7768511E+06  0.1787690E+05 -0.3143185E+03  0.4886708E+12              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1536000E+03  0.3809835E-01  0.9339855E+06  0.1490565E+05 -0.3046904E+03  0.4886708E+12              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1632000E+03  0.3398280E-01  0.1063040E+07  0.1204225E+05 -0.2918517E+03  0.4886708E+12              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.3006772E-01  0.1165197E+07  0.9315390E+04 -0.2762444E+03  0.4886708E+12              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1824000E+03  0.2637240E-01  0.1241895E+07  0.6749453E+04 -0.2583258E+03  0.4886708E+12              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1920000E+03  0.2291129E-01  0.1294786E+07  0.4364416E+04 -0.2385570E+03  0.4886708E+12              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.1969436E-01  0.1325692E+07  0.2175853E+04 -0.2173936E+03  0.4886708E+12              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2112000E+03  0.1672745E-01  0.1336563E+07  0.1950316E+03 -0.1952776E+03  0.4886708E+12              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2208000E+03  0.1401261E-01  0.1329437E+07 -0.1570923E+04 -0.1726296E+03  0.4886708E+12              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.1154849E-01  0.1306401E+07 -0.3118795E+04 -0.1498436E+03  0.4886708E+12              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2400000E+03  0.9330754E-02  0.1269556E+07 -0.4448993E+04 -0.1272810E+03  0.4886708E+12              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2496000E+03  0.7352443E-02  0.1220980E+07 -0.5565227E+04 -0.1052679E+03  0.4886708E+12              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03  0.5604401E-02  0.1162703E+07 -0.6474151E+04 -0.8409115E+02  0.4886708E+12              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2688000E+03  0.4075637E-02  0.1096677E+07 -0.7184977E+04 -0.6399760E+02  0.4886708E+12              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2784000E+03  0.2753699E-02  0.1024752E+07 -0.7709089E+04 -0.4519247E+02  0.4886708E+12              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.1625021E-02  0.9486621E+06 -0.8059643E+04 -0.2783967E+02  0.4886708E+12              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2976000E+03  0.6752554E-03  0.8700066E+06 -0.8251174E+04 -0.1206250E+02  0.4886708E+12              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3072000E+03 -0.1104332E-03  0.7902395E+06 -0.8299210E+04  0.2054819E+01  0.4886708E+12              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03 -0.7470880E-03  0.7106618E+06 -0.8219915E+04  0.1446503E+02  0.4886708E+12              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3264000E+03 -0.1249717E-02  0.6324171E+06 -0.8029738E+04  0.2515519E+02  0.4886708E+12              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3360000E+03 -0.1633076E-02  0.5564908E+06 -0.7745104E+04  0.3414354E+02  0.4886708E+12              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.1911485E-02  0.4837111E+06 -0.7382130E+04  0.4147617E+02  0.4886708E+12              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3552000E+03 -0.2098669E-02  0.4147539E+06 -0.6956372E+04  0.4722327E+02  0.4886708E+12              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3648000E+03 -0.2207633E-02  0.3501488E+06 -0.6482618E+04  0.5147545E+02  0.4886708E+12              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.2250562E-02  0.2902876E+06 -0.5974705E+04  0.5433986E+02  0.4886708E+12              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3840000E+03 -0.2238745E-02  0.2354345E+06 -0.5445379E+04  0.5593643E+02  0.4886708E+12              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3936000E+03 -0.2182526E-02  0.1857364E+06 -0.4906192E+04  0.5639424E+02  0.4886708E+12              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.2091278E-02  0.1412356E+06 -0.4367429E+04  0.5584805E+02  0.4886708E+12              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4128000E+03 -0.1973395E-02  0.1018817E+06 -0.3838070E+04  0.5443505E+02  0.4886708E+12              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4224000E+03 -0.1836297E-02  0.6754465E+05 -0.3325780E+04  0.5229200E+02  0.4886708E+12              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.1686460E-02  0.3802677E+05 -0.2836926E+04  0.4955252E+02  0.4886708E+12              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4416000E+03 -0.1529453E-02  0.1307566E+05 -0.2376618E+04  0.4634495E+02  0.4886708E+12              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4512000E+03 -0.1369979E-02 -0.7604297E+04 -0.1948769E+04  0.4279034E+02  0.4886708E+12              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03 -0.1211939E-02 -0.2434070E+05 -0.1556170E+04  0.3900099E+02  0.4886708E+12              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4704000E+03 -0.1058490E-02 -0.3748277E+05 -0.1200585E+04  0.3507923E+02  0.4886708E+12              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+03 -0.9121096E-03 -0.4739194E+05 -0.8828454E+03  0.3111660E+02  0.4886708E+12              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03 -0.7746671E-03 -0.5443340E+05 -0.6029578E+03  0.2719332E+02  0.4886708E+12              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4992000E+03 -0.6474905E-03 -0.5896873E+05 -0.3602148E+03  0.2337813E+02  0.4886708E+12              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5088000E+03 -0.5314349E-03 -0.6134953E+05 -0.1533041E+03  0.1972828E+02  0.4886708E+12              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03 -0.4269494E-03 -0.6191217E+05  0.1958301E+02  0.1628988E+02  0.4886708E+12              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5280000E+03 -0.3341402E-03 -0.6097353E+05  0.1606466E+03  0.1309838E+02  0.4886708E+12              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5376000E+03 -0.2528301E-03 -0.5882775E+05  0.2723793E+03  0.1017925E+02  0.4886708E+12              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03 -0.1826146E-03 -0.5574385E+05  0.3574738E+03  0.7548774E+01  0.4886708E+12              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5568000E+03 -0.1229120E-03 -0.5196426E+05  0.4187396E+03  0.5214944E+01  0.4886708E+12              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5664000E+03 -0.7300947E-04 -0.4770405E+05  0.4590279E+03  0.3178441E+01  0.4886708E+12              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03 -0.3210361E-04 -0.4315092E+05  0.4811658E+03  0.1433633E+01  0.4886708E+12              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5856000E+03  0.6642776E-06 -0.3846567E+05  0.4879013E+03 -0.3041982E-01  0.4886708E+12              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5952000E+03  0.2617780E-04 -0.3378322E+05  0.4818562E+03 -0.1228968E+01  0.4886708E+12              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.4532004E-04 -0.2921403E+05  0.4654902E+03 -0.2180618E+01  0.4886708E+12              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6144000E+03  0.5895271E-04 -0.2484580E+05  0.4410724E+03 -0.2906430E+01  0.4886708E+12              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6240000E+03  0.6789963E-04 -0.2074544E+05  0.4106619E+03 -0.3429087E+01  0.4886708E+12              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.7293410E-04 -0.1696109E+05  0.3760960E+03 -0.3772146E+01  0.4886708E+12              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6432000E+03  0.7476983E-04 -0.1352439E+05  0.3389847E+03 -0.3959366E+01  0.4886708E+12              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6528000E+03  0.7405495E-04 -0.1045259E+05  0.3007119E+03 -0.4014139E+01  0.4886708E+12              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03  0.7136877E-04 -0.7750726E+04  0.2624408E+03 -0.3959006E+01  0.4886708E+12              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6720000E+03  0.6722087E-04 -0.5413725E+04  0.2251243E+03 -0.3815267E+01  0.4886708E+12              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6816000E+03  0.6205197E-04 -0.3428339E+04  0.1895182E+03 -0.3602675E+01  0.4886708E+12              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03  0.5623651E-04 -0.1774976E+04  0.1561971E+03 -0.3339219E+01  0.4886708E+12              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7008000E+03  0.5008630E-04 -0.4293553E+03  0.1255721E+03 -0.3040979E+01  0.4886708E+12              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7104000E+03  0.4385512E-04  0.6360088E+03  0.9790961E+02 -0.2722047E+01  0.4886708E+12              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.3774389E-04  0.1450509E+04  0.7335010E+02 -0.2394517E+01  0.4886708E+12              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7296000E+03  0.3190621E-04  0.2044331E+04  0.5192752E+02 -0.2068521E+01  0.4886708E+12              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7392000E+03  0.2645408E-04  0.2447517E+04  0.3358754E+02 -0.1752307E+01  0.4886708E+12              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7488000E+03  0.2146354E-04  0.2689211E+04  0.1820516E+02 -0.1452356E+01  0.4886708E+12              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7584000E+03  0.1698016E-04  0.2797056E+04  0.5600949E+01 -0.1173521E+01  0.4886708E+12              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7680000E+03  0.1302429E-04  0.2796750E+04 -0.4444065E+01 -0.9191904E+00  0.4886708E+12              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7776000E+03  0.9595861E-05  0.2711730E+04 -0.1217517E+02 -0.6914563E+00  0.4886708E+12              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7872000E+03  0.6678850E-05  0.2562986E+04 -0.1785236E+02 -0.4912926E+00  0.4886708E+12              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7968000E+03  0.4245201E-05  0.2368965E+04 -0.2174048E+02 -0.3187312E+00  0.4886708E+12              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8064000E+03  0.2258323E-05  0.2145569E+04 -0.2410095E+02 -0.1730342E+00  0.4886708E+12              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8160000E+03  0.6760847E-06  0.1906227E+04 -0.2518523E+02 -0.5285663E-01  0.4886708E+12              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8256000E+03 -0.5466521E-06  0.1662013E+04 -0.2522965E+02  0.4360102E-01  0.4886708E+12              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8352000E+03 -0.1455945E-05  0.1421817E+04 -0.2445179E+02  0.1184551E+00  0.4886708E+12              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8448000E+03 -0.2097092E-05  0.1192539E+04 -0.2304793E+02  0.1740151E+00  0.4886708E+12              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8544000E+03 -0.2513335E-05  0.9792971E+03 -0.2119181E+02  0.2126763E+00  0.4886708E+12              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+03 -0.2744889E-05  0.7856559E+03 -0.1903419E+02  0.2368278E+00  0.4886708E+12              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8736000E+03 -0.2828273E-05  0.6138407E+03 -0.1670329E+02  0.2487768E+00  0.4886708E+12              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8832000E+03 -0.2795891E-05  0.4649527E+03 -0.1430586E+02  0.2506869E+00  0.4886708E+12              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8928000E+03 -0.2675823E-05  0.3391681E+03 -0.1192881E+02  0.2445316E+00  0.4886708E+12              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9024000E+03 -0.2491789E-05  0.2359195E+03 -0.9641174E+01  0.2320598E+00  0.4886708E+12              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9120000E+03 -0.2263263E-05  0.1540576E+03 -0.7496375E+01  0.2147734E+00  0.4886708E+12              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9216000E+03 -0.2005683E-05  0.9198914E+02 -0.5534671E+01  0.1939148E+00  0.4886708E+12              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9312000E+03 -0.1730754E-05  0.4779189E+02 -0.3785648E+01  0.1704650E+00  0.4886708E+12              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9408000E+03 -0.1446812E-05  0.1930470E+02 -0.2270704E+01  0.1451483E+00  0.4886708E+12              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9504000E+03 -0.1159229E-05  0.4194379E+01 -0.1005453E+01  0.1184456E+00  0.4886708E+12              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9600000E+03 -0.8708547E-06  0.0000000E+00  0.0000000E+00  0.9061408E-01  0.4842710E+12              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.5000000E+05  0.3526465E+00  0.5986909E+07  0.5000000E+05 -0.2648941E-02                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.5000000E+05  0.9499231E-01 -0.4680125E+07  0.5000000E+05 -0.4336809E-17                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
