    3    1    0    1                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                                                   Line 2 : Total number of sections
    1                                                                                                   Line 3d : Total number of axial thrusts for elastic section
  150            0.0000000E+00  0.0000000E+00                                                           Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.7394130E+09  0.7394130E+08  0.1000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1478826E+10  0.7394130E+08  0.2000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.2218239E+10  0.7394130E+08  0.3000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2957652E+10  0.7394130E+08  0.4000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3697065E+10  0.7394130E+08  0.5000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.4436478E+10  0.7394130E+08  0.6000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.5175891E+10  0.7394130E+08  0.7000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.5915304E+10  0.7394130E+08  0.8000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.6654717E+10  0.7394130E+08  0.9000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.7394130E+10  0.7394130E+08  0.1000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.8133543E+10  0.7394130E+08  0.1100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.8872956E+10  0.7394130E+08  0.1200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.9612369E+10  0.7394130E+08  0.1300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1035178E+11  0.7394130E+08  0.1400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1109120E+11  0.7394130E+08  0.1500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1183061E+11  0.7394130E+08  0.1600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1257002E+11  0.7394130E+08  0.1700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1330943E+11  0.7394130E+08  0.1800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1404885E+11  0.7394130E+08  0.1900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1478826E+11  0.7394130E+08  0.2000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1552767E+11  0.7394130E+08  0.2100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1626709E+11  0.7394130E+08  0.2200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1700650E+11  0.7394130E+08  0.2300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1774591E+11  0.7394130E+08  0.2400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1848532E+11  0.7394130E+08  0.2500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1922474E+11  0.7394130E+08  0.2600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1996415E+11  0.7394130E+08  0.2700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.2070356E+11  0.7394130E+08  0.2800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.2144298E+11  0.7394130E+08  0.2900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.2218239E+11  0.7394130E+08  0.3000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.2292180E+11  0.7394130E+08  0.3100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2366122E+11  0.7394130E+08  0.3200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2440063E+11  0.7394130E+08  0.3300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2514004E+11  0.7394130E+08  0.3400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2587946E+11  0.7394130E+08  0.3500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2661887E+11  0.7394130E+08  0.3600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2735828E+11  0.7394130E+08  0.3700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2809769E+11  0.7394130E+08  0.3800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2883711E+11  0.7394130E+08  0.3900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2957652E+11  0.7394130E+08  0.4000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.3031593E+11  0.7394130E+08  0.4100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.3105535E+11  0.7394130E+08  0.4200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.3179476E+11  0.7394130E+08  0.4300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.3253417E+11  0.7394130E+08  0.4400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.3327358E+11  0.7394130E+08  0.4500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.3401300E+11  0.7394130E+08  0.4600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.3475241E+11  0.7394130E+08  0.4700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.3549182E+11  0.7394130E+08  0.4800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.3623124E+11  0.7394130E+08  0.4900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.3697065E+11  0.7394130E+08  0.5000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.3771006E+11  0.7394130E+08  0.5100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.3844948E+11  0.7394130E+08  0.5200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.3918889E+11  0.7394130E+08  0.5300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.3992830E+11  0.7394130E+08  0.5400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.4066772E+11  0.7394130E+08  0.5500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.4140713E+11  0.7394130E+08  0.5600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.4214654E+11  0.7394130E+08  0.5700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.4288595E+11  0.7394130E+08  0.5800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.4362537E+11  0.7394130E+08  0.5900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.4436478E+11  0.7394130E+08  0.6000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.4510419E+11  0.7394130E+08  0.6100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.4584361E+11  0.7394130E+08  0.6200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.4658302E+11  0.7394130E+08  0.6300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.4732243E+11  0.7394130E+08  0.6400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.4806184E+11  0.7394130E+08  0.6500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.4880126E+11  0.7394130E+08  0.6600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.4954067E+11  0.7394130E+08  0.6700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.5028008E+11  0.7394130E+08  0.6800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.5101950E+11  0.7394130E+08  0.6900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.5175891E+11  0.7394130E+08  0.7000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.5249832E+11  0.7394130E+08  0.7100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.5323774E+11  0.7394130E+08  0.7200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.5397715E+11  0.7394130E+08  0.7300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.5471656E+11  0.7394130E+08  0.7400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.5545598E+11  0.7394130E+08  0.7500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.5619539E+11  0.7394130E+08  0.7600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.5693480E+11  0.7394130E+08  0.7700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.5767421E+11  0.7394130E+08  0.7800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.5841363E+11  0.7394130E+08  0.7900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.5915304E+11  0.7394130E+08  0.8000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.5989245E+11  0.7394130E+08  0.8100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.6063187E+11  0.7394130E+08  0.8200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.6137128E+11  0.7394130E+08  0.8300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.6211069E+11  0.7394130E+08  0.8400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.6285010E+11  0.7394130E+08  0.8500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.6358952E+11  0.7394130E+08  0.8600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.6432893E+11  0.7394130E+08  0.8700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.6506834E+11  0.7394130E+08  0.8800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.6580776E+11  0.7394130E+08  0.8900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.6654717E+11  0.7394130E+08  0.9000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.6728658E+11  0.7394130E+08  0.9100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.6802600E+11  0.7394130E+08  0.9200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.6876541E+11  0.7394130E+08  0.9300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.6950482E+11  0.7394130E+08  0.9400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.7024424E+11  0.7394130E+08  0.9500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.7098365E+11  0.7394130E+08  0.9600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.7172306E+11  0.7394130E+08  0.9700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.7246247E+11  0.7394130E+08  0.9800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.7320189E+11  0.7394130E+08  0.9900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.7394130E+11  0.7394130E+08  0.1000000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.7468071E+11  0.7394130E+08  0.1010000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.7542013E+11  0.7394130E+08  0.1020000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.7615954E+11  0.7394130E+08  0.1030000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.7689895E+11  0.7394130E+08  0.1040000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.7763836E+11  0.7394130E+08  0.1050000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.7837778E+11  0.7394130E+08  0.1060000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.7911719E+11  0.7394130E+08  0.1070000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.7985660E+11  0.7394130E+08  0.1080000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.8059602E+11  0.7394130E+08  0.1090000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.8133543E+11  0.7394130E+08  0.1100000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.8207484E+11  0.7394130E+08  0.1110000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.8281426E+11  0.7394130E+08  0.1120000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.8355367E+11  0.7394130E+08  0.1130000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.8429308E+11  0.7394130E+08  0.1140000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.8503250E+11  0.7394130E+08  0.1150000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.8577191E+11  0.7394130E+08  0.1160000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.8651132E+11  0.7394130E+08  0.1170000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.8725073E+11  0.7394130E+08  0.1180000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.8799015E+11  0.7394130E+08  0.1190000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.8872956E+11  0.7394130E+08  0.1200000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.8946897E+11  0.7394130E+08  0.1210000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.9020839E+11  0.7394130E+08  0.1220000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.9094780E+11  0.7394130E+08  0.1230000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.9168721E+11  0.7394130E+08  0.1240000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.9242662E+11  0.7394130E+08  0.1250000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.9316604E+11  0.7394130E+08  0.1260000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.9390545E+11  0.7394130E+08  0.1270000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.9464486E+11  0.7394130E+08  0.1280000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.9538428E+11  0.7394130E+08  0.1290000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.9612369E+11  0.7394130E+08  0.1300000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.9686310E+11  0.7394130E+08  0.1310000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.9760252E+11  0.7394130E+08  0.1320000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.9834193E+11  0.7394130E+08  0.1330000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.9908134E+11  0.7394130E+08  0.1340000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.9982076E+11  0.7394130E+08  0.1350000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.1005602E+12  0.7394130E+08  0.1360000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.1012996E+12  0.7394130E+08  0.1370000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.1020390E+12  0.7394130E+08  0.1380000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.1027784E+12  0.7394130E+08  0.1390000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.1035178E+12  0.7394130E+08  0.1400000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.1042572E+12  0.7394130E+08  0.1410000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.1049966E+12  0.7394130E+08  0.1420000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.1057361E+12  0.7394130E+08  0.1430000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.1064755E+12  0.7394130E+08  0.1440000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.1072149E+12  0.7394130E+08  0.1450000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.1079543E+12  0.7394130E+08  0.1460000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.1086937E+12  0.7394130E+08  0.1470000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.1094331E+12  0.7394130E+08  0.1480000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.1101725E+12  0.7394130E+08  0.1490000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.1109120E+12  0.7394130E+08  0.1500000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    2                                                                           Line 6 : number of output p-y curves
  0.6000000E+02   17                                                                                    Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for soft clay
  0.2742858E-02  0.2369048E+02                                                                          Line 8(2): y, p, for soft clay
  0.2194286E-01  0.4738095E+02                                                                          Line 8(3): y, p, for soft clay
  0.7405715E-01  0.7107143E+02                                                                          Line 8(4): y, p, for soft clay
  0.1755429E+00  0.9476191E+02                                                                          Line 8(5): y, p, for soft clay
  0.3428572E+00  0.1184524E+03                                                                          Line 8(6): y, p, for soft clay
  0.5924572E+00  0.1421429E+03                                                                          Line 8(7): y, p, for soft clay
  0.9408000E+00  0.1658333E+03                                                                          Line 8(8): y, p, for soft clay
  0.1404343E+01  0.1895238E+03                                                                          Line 8(9): y, p, for soft clay
  0.1999543E+01  0.2132143E+03                                                                          Line 8(10): y, p, for soft clay
  0.2742857E+01  0.2369048E+03                                                                          Line 8(11): y, p, for soft clay
  0.3650743E+01  0.2605952E+03                                                                          Line 8(12): y, p, for soft clay
  0.4739657E+01  0.2842857E+03                                                                          Line 8(13): y, p, for soft clay
  0.6026058E+01  0.3079762E+03                                                                          Line 8(14): y, p, for soft clay
  0.7526400E+01  0.3316667E+03                                                                          Line 8(15): y, p, for soft clay
  0.9257143E+01  0.3553572E+03                                                                          Line 8(16): y, p, for soft clay
  0.9835714E+01  0.3553571E+03                                                                          Line 8(17): y, p, for soft clay
  0.1200000E+03   17                                                                                    Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for soft clay
  0.2641270E-02  0.3523810E+02                                                                          Line 8(2): y, p, for soft clay
  0.2113016E-01  0.7047619E+02                                                                          Line 8(3): y, p, for soft clay
  0.7131429E-01  0.1057143E+03                                                                          Line 8(4): y, p, for soft clay
  0.1690413E+00  0.1409524E+03                                                                          Line 8(5): y, p, for soft clay
  0.3301588E+00  0.1761905E+03                                                                          Line 8(6): y, p, for soft clay
  0.5705143E+00  0.2114286E+03                                                                          Line 8(7): y, p, for soft clay
  0.9059556E+00  0.2466667E+03                                                                          Line 8(8): y, p, for soft clay
  0.1352330E+01  0.2819048E+03                                                                          Line 8(9): y, p, for soft clay
  0.1925486E+01  0.3171429E+03                                                                          Line 8(10): y, p, for soft clay
  0.2641270E+01  0.3523810E+03                                                                          Line 8(11): y, p, for soft clay
  0.3515530E+01  0.3876191E+03                                                                          Line 8(12): y, p, for soft clay
  0.4564115E+01  0.4228572E+03                                                                          Line 8(13): y, p, for soft clay
  0.5802870E+01  0.4580953E+03                                                                          Line 8(14): y, p, for soft clay
  0.7247644E+01  0.4933333E+03                                                                          Line 8(15): y, p, for soft clay
  0.8914286E+01  0.5285714E+03                                                                          Line 8(16): y, p, for soft clay
  0.9471429E+01  0.5285714E+03                                                                          Line 8(17): y, p, for soft clay
    4  101    1                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.7085533E+00  0.9500020E-06  0.2000000E+05 -0.8389447E+02  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.6754008E+00  0.1418255E+06  0.1937398E+05 -0.9000086E+02  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.6423478E+00  0.2789853E+06  0.1870457E+05 -0.9594659E+02  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.6094904E+00  0.4111712E+06  0.1799298E+05 -0.1017159E+03  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.5769213E+00  0.5380842E+06  0.1724055E+05 -0.1072929E+03  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.5447295E+00  0.6594351E+06  0.1644871E+05 -0.1126615E+03  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.5130001E+00  0.7749457E+06  0.1561903E+05 -0.1178054E+03  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.4818141E+00  0.8843492E+06  0.1475318E+05 -0.1227084E+03  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.4512481E+00  0.9873915E+06  0.1385296E+05 -0.1273539E+03  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.4213746E+00  0.1083832E+07  0.1292027E+05 -0.1317252E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.3922610E+00  0.1173443E+07  0.1195716E+05 -0.1358055E+03  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.3639702E+00  0.1256015E+07  0.1096578E+05 -0.1395778E+03  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.3365601E+00  0.1331351E+07  0.9948415E+04 -0.1430249E+03  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.3100836E+00  0.1399272E+07  0.8907460E+04 -0.1461292E+03  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.2845882E+00  0.1459618E+07  0.7845452E+04 -0.1488731E+03  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.2601163E+00  0.1512247E+07  0.6765049E+04 -0.1512386E+03  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.2367048E+00  0.1557035E+07  0.5669044E+04 -0.1532072E+03  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.2143850E+00  0.1593881E+07  0.4560362E+04 -0.1547601E+03  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.1931829E+00  0.1622704E+07  0.3442066E+04 -0.1558777E+03  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.1731185E+00  0.1643447E+07  0.2317363E+04 -0.1565398E+03  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.1542066E+00  0.1656074E+07  0.1189610E+04 -0.1567251E+03  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.1364559E+00  0.1660577E+07  0.6231907E+02 -0.1564112E+03  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.1198696E+00  0.1656972E+07 -0.1060825E+04 -0.1555734E+03  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.1044451E+00  0.1645301E+07 -0.2175957E+04 -0.1541852E+03  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.9017428E-01  0.1625638E+07 -0.3279002E+04 -0.1522163E+03  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.7704336E-01  0.1598084E+07 -0.4365654E+04 -0.1496317E+03  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.6503301E-01  0.1562772E+07 -0.5431331E+04 -0.1463896E+03  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.5411845E-01  0.1519872E+07 -0.6471112E+04 -0.1424383E+03  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.4426962E-01  0.1469588E+07 -0.7479646E+04 -0.1377103E+03  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03  0.3545126E-01  0.1412165E+07 -0.8451014E+04 -0.1321140E+03  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.2762309E-01  0.1347894E+07 -0.9372360E+04 -0.1238155E+03  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03  0.2074005E-01  0.1277203E+07 -0.1022766E+05 -0.1137678E+03  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.1475258E-01  0.1200615E+07 -0.1100681E+05 -0.1026616E+03  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03  0.9606973E-02  0.1118705E+07 -0.1170020E+05 -0.8994832E+02  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03  0.5245792E-02  0.1032133E+07 -0.1229155E+05 -0.7431474E+02  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.1608334E-02  0.9417071E+06 -0.1274150E+05 -0.5067037E+02  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03 -0.1368807E-02  0.8486550E+06 -0.1274950E+05  0.4844684E+02  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03 -0.3750877E-02  0.7581143E+06 -0.1232833E+05  0.6854514E+02  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03 -0.5601364E-02  0.6711271E+06 -0.1179654E+05  0.7917441E+02  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03 -0.6981262E-02  0.5882442E+06 -0.1120158E+05  0.8609211E+02  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03 -0.7948688E-02  0.5098243E+06 -0.1056467E+05  0.9082635E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03 -0.8558629E-02  0.4361129E+06 -0.9899129E+04  0.9404693E+02  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03 -0.8862771E-02  0.3672769E+06 -0.9214538E+04  0.9611706E+02  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03 -0.8909382E-02  0.3034236E+06 -0.8518382E+04  0.9725971E+02  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03 -0.8743234E-02  0.2446122E+06 -0.7816802E+04  0.9762351E+02  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03 -0.8405566E-02  0.1908616E+06 -0.7115029E+04  0.9731359E+02  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03 -0.7934068E-02  0.1421558E+06 -0.6417632E+04  0.9640782E+02  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03 -0.7362891E-02  0.9844771E+05 -0.5728686E+04  0.9496592E+02  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.6722684E-02  0.5966268E+05 -0.5051883E+04  0.9303509E+02  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03 -0.6040641E-02  0.2570060E+05 -0.4390604E+04  0.9065350E+02  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.5340578E-02 -0.3562009E+04 -0.3747982E+04  0.8785262E+02  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.4643012E-02 -0.2827034E+05 -0.3126941E+04  0.8465870E+02  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.3965269E-02 -0.4858996E+05 -0.2530232E+04  0.8109378E+02  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.3321596E-02 -0.6470568E+05 -0.1960460E+04  0.7717617E+02  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.2723295E-02 -0.7682058E+05 -0.1420112E+04  0.7292059E+02  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.2178860E-02 -0.8515529E+05 -0.9115819E+03  0.6833771E+02  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.1694136E-02 -0.8994736E+05 -0.4372078E+03  0.6343287E+02  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03 -0.1272481E-02 -0.9145108E+05  0.6821983E+00  0.5820325E+02  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03 -0.9149513E-03 -0.8993754E+05  0.3996886E+03  0.5263186E+02  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03 -0.6204851E-03 -0.8569556E+05  0.7571889E+03  0.4667376E+02  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.3861079E-03 -0.7903402E+05  0.1070010E+04  0.4022100E+02  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03 -0.2071488E-03 -0.7028742E+05  0.1333580E+04  0.3299276E+02  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03 -0.7747460E-04 -0.5983047E+05  0.1538803E+04  0.2401387E+02  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03  0.1024693E-04 -0.4812865E+05  0.1581423E+04 -0.1217499E+02  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03  0.6422103E-04 -0.3705798E+05  0.1455195E+04 -0.2288840E+02  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03  0.9221038E-04 -0.2717384E+05  0.1278937E+04 -0.2607222E+02  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03  0.1011456E-03 -0.1864129E+05  0.1087387E+04 -0.2713617E+02  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03  0.9700979E-04 -0.1151547E+05  0.8924858E+03 -0.2700298E+02  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03  0.8479938E-04 -0.5789491E+04  0.7014967E+03 -0.2604954E+02  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03  0.6852942E-04 -0.1413919E+04  0.5195950E+03 -0.2447870E+02  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03  0.5126804E-04  0.1692678E+04  0.3507720E+03 -0.2241660E+02  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03  0.3519355E-04  0.3637198E+04  0.1982660E+03 -0.1994618E+02  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03  0.2166943E-04  0.4547708E+04  0.6484961E+02 -0.1711392E+02  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03  0.1133413E-04  0.4571032E+04 -0.4681259E+02 -0.1390336E+02  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03  0.4203999E-05  0.3873606E+04 -0.1119991E+03 -0.4203999E+01  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03 -0.2099899E-06  0.2958246E+04 -0.1263775E+03  0.2099899E+00  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03 -0.2549680E-05  0.2053771E+04 -0.1164427E+03  0.2549680E+01  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03 -0.3449283E-05  0.1281471E+04 -0.9484641E+02  0.3449283E+01  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03 -0.3450328E-05  0.6879822E+03 -0.7000781E+02  0.3450328E+01  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03 -0.2968966E-05  0.2733584E+03 -0.4689835E+02  0.2968966E+01  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03 -0.2295927E-05  0.1264589E+02 -0.2794474E+02  0.2295927E+01  0.7393125E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03 -0.1614021E-05 -0.1290458E+03 -0.1386892E+02  0.1614021E+01  0.7393125E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03 -0.1022601E-05 -0.1870666E+03 -0.4377079E+01  0.1022601E+01  0.7393125E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03 -0.5623507E-06 -0.1920757E+03  0.1328748E+01  0.5623507E+00  0.7393125E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03 -0.2367821E-06 -0.1679326E+03  0.4205626E+01  0.2367821E+00  0.7393125E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03 -0.2896645E-07 -0.1315147E+03  0.5162320E+01  0.2896645E-01  0.7393125E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03  0.8663211E-07 -0.9359519E+02  0.4954724E+01 -0.8663211E-01  0.7393125E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03  0.1366025E-06 -0.6016668E+02  0.4151080E+01 -0.1366025E+00  0.7393125E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.1443844E-06 -0.3381964E+02  0.3139527E+01 -0.1443844E+00  0.7393125E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03  0.1284523E-06 -0.1495749E+02  0.2157314E+01 -0.1284523E+00  0.7393125E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03  0.1020322E-06 -0.2754314E+01  0.1327570E+01 -0.1020322E+00  0.7393125E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03  0.7368071E-07  0.4159516E+01  0.6950036E+00 -0.7368071E-01  0.7393125E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03  0.4824585E-07  0.7253738E+01  0.2560680E+00 -0.4824585E-01  0.7393125E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03  0.2789727E-07  0.7846896E+01 -0.1804720E-01 -0.2789727E-01  0.7393125E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03  0.1305086E-07  0.6993859E+01 -0.1654604E+00 -0.1305086E-01  0.7393125E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03  0.3108488E-08  0.5464265E+01 -0.2236341E+00 -0.3108488E-02  0.7393125E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.3002383E-08  0.3773528E+01 -0.2240161E+00  0.3002383E-02  0.7393125E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.6467287E-08  0.2238434E+01 -0.1899253E+00  0.6467287E-02  0.7393125E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03 -0.8362618E-08  0.1038604E+01 -0.1365376E+00  0.8362618E-02  0.7393125E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03 -0.9529688E-08  0.2722926E+00 -0.7212529E-01  0.9529688E-02  0.7393125E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03 -0.1050583E-07  0.0000000E+00  0.0000000E+00  0.1050583E-01  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.1832267E+00 -0.1664867E+07  0.2000000E+05 -0.5344984E+02  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.1826431E+00 -0.1522252E+07  0.1959805E+05 -0.5820158E+02  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.1809920E+00 -0.1382655E+07  0.1916208E+05 -0.6290234E+02  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.1783714E+00 -0.1246318E+07  0.1869251E+05 -0.6753298E+02  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.1748769E+00 -0.1113483E+07  0.1818993E+05 -0.7207486E+02  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.1706016E+00 -0.9843834E+06  0.1765502E+05 -0.7650981E+02  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.1656361E+00 -0.8592504E+06  0.1708863E+05 -0.8082001E+02  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.1600681E+00 -0.7383071E+06  0.1649172E+05 -0.8498794E+02  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.1539824E+00 -0.6217696E+06  0.1586538E+05 -0.8899633E+02  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.1474607E+00 -0.5098456E+06  0.1521081E+05 -0.9282817E+02  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.1405815E+00 -0.4027339E+06  0.1452935E+05 -0.9646659E+02  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.1334199E+00 -0.3006230E+06  0.1382245E+05 -0.9989493E+02  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.1260476E+00 -0.2036906E+06  0.1309168E+05 -0.1030966E+03  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.1185324E+00 -0.1121028E+06  0.1233873E+05 -0.1060553E+03  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.1109386E+00 -0.2601284E+05  0.1156542E+05 -0.1087547E+03  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.1033265E+00  0.5443925E+05  0.1077366E+05 -0.1111785E+03  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.9575265E-01  0.1291278E+06  0.9965498E+04 -0.1133107E+03  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.8826932E-01  0.1979424E+06  0.9143092E+04 -0.1151352E+03  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.8092479E-01  0.2607884E+06  0.8308716E+04 -0.1166361E+03  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.7376312E-01  0.3175879E+06  0.7464756E+04 -0.1177972E+03  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.6682414E-01  0.3682809E+06  0.6613716E+04 -0.1186027E+03  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.6014340E-01  0.4128254E+06  0.5758216E+04 -0.1190363E+03  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.5375213E-01  0.4511992E+06  0.4900991E+04 -0.1190816E+03  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.4767723E-01  0.4833997E+06  0.4044898E+04 -0.1187221E+03  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.4194129E-01  0.5094457E+06  0.3192913E+04 -0.1179404E+03  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.3656257E-01  0.5293777E+06  0.2348141E+04 -0.1167186E+03  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.3155504E-01  0.5432589E+06  0.1513820E+04 -0.1150374E+03  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.2692845E-01  0.5511767E+06  0.6933331E+03 -0.1128755E+03  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.2268833E-01  0.5532429E+06 -0.1097713E+03 -0.1102090E+03  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03  0.1883615E-01  0.5495959E+06 -0.8917575E+03 -0.1070093E+03  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.1536933E-01  0.5404016E+06 -0.1643618E+04 -0.1018409E+03  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03  0.1228144E-01  0.5259278E+06 -0.2354189E+04 -0.9553991E+02  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.9562330E-02  0.5065013E+06 -0.3017992E+04 -0.8884974E+02  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03  0.7198372E-02  0.4824688E+06 -0.3631968E+04 -0.8169900E+02  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03  0.5172717E-02  0.4542010E+06 -0.4192355E+04 -0.7396427E+02  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.3465545E-02  0.4220988E+06 -0.4694112E+04 -0.6541272E+02  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03  0.2054345E-02  0.3866057E+06 -0.5129530E+04 -0.5553664E+02  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03  0.9142293E-03  0.3482336E+06 -0.5483759E+04 -0.4286039E+02  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03  0.1829257E-04  0.3076396E+06 -0.5681641E+04 -0.1210676E+02  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03 -0.6619297E-03  0.2664180E+06 -0.5583970E+04  0.3923766E+02  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03 -0.1155342E-02  0.2272304E+06 -0.5270826E+04  0.4774682E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03 -0.1489422E-02  0.1905181E+06 -0.4909923E+04  0.5250390E+02  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03 -0.1689912E-02  0.1565275E+06 -0.4521749E+04  0.5532227E+02  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03 -0.1780646E-02  0.1254049E+06 -0.4117867E+04  0.5686722E+02  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03 -0.1783448E-02  0.9723025E+05 -0.3706248E+04  0.5747124E+02  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03 -0.1718072E-02  0.7203492E+05 -0.3292966E+04  0.5732953E+02  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03 -0.1602186E-02  0.4981154E+05 -0.2882931E+04  0.5656895E+02  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03 -0.1451373E-02  0.3052071E+05 -0.2480282E+04  0.5527804E+02  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.1279159E-02  0.1409548E+05 -0.2088602E+04  0.5352190E+02  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03 -0.1097061E-02  0.4448342E+03 -0.1711062E+04  0.5135036E+02  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.9146509E-03 -0.1054381E+05 -0.1350512E+04  0.4880257E+02  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.7396343E-03 -0.1900253E+05 -0.1009547E+04  0.4590969E+02  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.5779422E-03 -0.2508129E+05 -0.6905669E+03  0.4269603E+02  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.4338368E-03 -0.2894670E+05 -0.3958168E+03  0.3917898E+02  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.3100287E-03 -0.3078106E+05 -0.1274522E+03  0.3536676E+02  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.2078039E-03 -0.3078201E+05  0.1123750E+03  0.3125190E+02  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.1271633E-03 -0.2916286E+05  0.3213373E+03  0.2679318E+02  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03 -0.6697145E-04 -0.2615475E+05  0.4964790E+03  0.2185730E+02  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03 -0.2511908E-04 -0.2201356E+05  0.6325808E+03  0.1594877E+02  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03  0.1297555E-05 -0.1704559E+05  0.6853252E+03 -0.1297555E+01  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03  0.1576196E-04 -0.1214488E+05  0.6310208E+03 -0.1378699E+02  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03  0.2171047E-04 -0.7958887E+04  0.5255457E+03 -0.1551165E+02  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03  0.2207828E-04 -0.4577019E+04  0.4129941E+03 -0.1575269E+02  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03  0.1923672E-04 -0.2011772E+04  0.3016053E+03 -0.1518864E+02  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03  0.1498451E-04 -0.2339038E+03  0.1961449E+03 -0.1410591E+02  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03  0.1056830E-04  0.8127141E+03  0.9974123E+02 -0.1267288E+02  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03  0.6721955E-05  0.1202370E+04  0.2991983E+02 -0.6721955E+01  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03  0.3718702E-05  0.1243560E+04 -0.7666535E+01 -0.3718702E+01  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03  0.1587423E-05  0.1091972E+04 -0.2676859E+02 -0.1587423E+01  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03  0.2218264E-06  0.8580920E+03 -0.3328188E+02 -0.2218264E+00  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03 -0.5420830E-06  0.6127127E+03 -0.3212896E+02  0.5420830E+00  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03 -0.8763632E-06  0.3954350E+03 -0.2702255E+02  0.8763632E+00  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03 -0.9333675E-06  0.2235879E+03 -0.2050752E+02  0.9333675E+00  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03 -0.8335937E-06  0.1001267E+03 -0.1414646E+02  0.8335937E+00  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03 -0.6636119E-06  0.1987887E+02 -0.8756523E+01  0.6636119E+00  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03 -0.4796912E-06 -0.2596728E+02 -0.4640632E+01  0.4796912E+00  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03 -0.3139785E-06 -0.4694624E+02 -0.1783421E+01  0.3139785E+00  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03 -0.1811842E-06 -0.5164855E+02 -0.8354091E-03  0.1811842E+00  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03 -0.8460544E-07 -0.4695827E+02  0.9560073E+00  0.8460544E-01  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03 -0.2095342E-07 -0.3788204E+02  0.1336019E+01  0.2095342E-01  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.1613602E-07 -0.2771959E+02  0.1353362E+01 -0.1613602E-01  0.7393125E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03  0.3378870E-07 -0.1839363E+02  0.1173633E+01 -0.3378870E-01  0.7393125E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03  0.3854391E-07 -0.1081927E+02  0.9132355E+00 -0.3854391E-01  0.7393125E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03  0.3571274E-07 -0.5243037E+01  0.6459116E+00 -0.3571274E-01  0.7393125E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.2920519E-07 -0.1518148E+01  0.4122071E+00 -0.2920519E-01  0.7393125E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03  0.2163312E-07  0.6927446E+00  0.2291892E+00 -0.2163312E-01  0.7393125E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03  0.1454681E-07  0.1782176E+01  0.9894142E-01 -0.1454681E-01  0.7393125E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03  0.8710137E-08  0.2117501E+01  0.1521642E-01 -0.8710137E-02  0.7393125E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.4358243E-08  0.2001292E+01 -0.3182975E-01 -0.4358243E-02  0.7393125E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03  0.1409639E-08  0.1659153E+01 -0.5259413E-01 -0.1409639E-02  0.7393125E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03 -0.3755797E-09  0.1243937E+01 -0.5631674E-01  0.3755797E-03  0.7393125E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03 -0.1288560E-08  0.8481916E+00 -0.5032584E-01  0.1288560E-02  0.7393125E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03 -0.1606795E-08  0.5192450E+00 -0.3990256E-01  0.1606795E-02  0.7393125E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03 -0.1560940E-08  0.2735948E+00 -0.2849871E-01  0.1560940E-02  0.7393125E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03 -0.1323243E-08  0.1088636E+00 -0.1811565E-01  0.1323243E-02  0.7393125E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.1009211E-08  0.1272939E-01 -0.9718818E-02  0.1009211E-02  0.7393125E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.6862530E-09 -0.3108736E-01 -0.3615149E-02  0.6862530E-03  0.7393125E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.3850935E-09 -0.3932875E-01  0.2416987E-03  0.3850935E-03  0.7393125E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03 -0.1115111E-09 -0.2760690E-01  0.2029475E-02  0.1115111E-03  0.7393125E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03  0.1427137E-09 -0.1010431E-01  0.1917146E-02 -0.1427137E-03  0.7393125E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.3898533E-09  0.0000000E+00  0.0000000E+00 -0.3898533E-03  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.0000000E+00  0.5000000E+00  0.0000000E+00  0.1647265E+05 -0.7469008E+02  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.4754138E+00  0.1166671E+06  0.1591555E+05 -0.8005968E+02  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.4509093E+00  0.2291840E+06  0.1532036E+05 -0.8527069E+02  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.4265656E+00  0.3372804E+06  0.1468828E+05 -0.9030792E+02  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.4024584E+00  0.4406952E+06  0.1402061E+05 -0.9515606E+02  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.3786601E+00  0.5391771E+06  0.1331877E+05 -0.9979967E+02  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.3552400E+00  0.6324855E+06  0.1258429E+05 -0.1042232E+03  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.3322633E+00  0.7203909E+06  0.1181880E+05 -0.1084109E+03  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.3097918E+00  0.8026762E+06  0.1102408E+05 -0.1123470E+03  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.2878831E+00  0.8791375E+06  0.1020197E+05 -0.1160155E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.2665909E+00  0.9495846E+06  0.9354473E+04 -0.1194004E+03  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.2459644E+00  0.1013842E+07  0.8483685E+04 -0.1224852E+03  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.2260489E+00  0.1071750E+07  0.7591825E+04 -0.1252536E+03  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.2068849E+00  0.1123164E+07  0.6681233E+04 -0.1276887E+03  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.1885085E+00  0.1167959E+07  0.5754368E+04 -0.1297737E+03  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.1709510E+00  0.1206027E+07  0.4813815E+04 -0.1314912E+03  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.1542391E+00  0.1237278E+07  0.3862282E+04 -0.1328234E+03  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.1383949E+00  0.1261644E+07  0.2902610E+04 -0.1337521E+03  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.1234353E+00  0.1279076E+07  0.1937773E+04 -0.1342582E+03  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.1093725E+00  0.1289548E+07  0.9708848E+03 -0.1343218E+03  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.9621401E-01  0.1293057E+07  0.5208060E+01 -0.1339217E+03  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.8396217E-01  0.1289623E+07 -0.9558357E+03 -0.1330349E+03  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.7261461E-01  0.1279293E+07 -0.1908651E+04 -0.1316360E+03  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.6216408E-01  0.1262138E+07 -0.2849447E+04 -0.1296962E+03  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.5259856E-01  0.1238261E+07 -0.3774208E+04 -0.1271819E+03  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.4390129E-01  0.1207790E+07 -0.4678650E+04 -0.1240521E+03  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.3605091E-01  0.1170888E+07 -0.5558155E+04 -0.1202550E+03  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.2902155E-01  0.1127752E+07 -0.6407672E+04 -0.1157218E+03  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.2278296E-01  0.1078618E+07 -0.7221550E+04 -0.1103556E+03  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03  0.1730069E-01  0.1023762E+07 -0.7993270E+04 -0.1040111E+03  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.1253627E-01  0.9635145E+06 -0.8710230E+04 -0.9514436E+02  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03  0.8447461E-02  0.8983347E+06 -0.9356312E+04 -0.8432306E+02  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.4988558E-02  0.8287836E+06 -0.9917302E+04 -0.7150754E+02  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03  0.2110790E-02  0.7555256E+06 -0.1037001E+05 -0.5424593E+02  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03 -0.2372086E-03  0.6794554E+06 -0.1046951E+05  0.2660779E+02  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03 -0.2108779E-02  0.6047646E+06 -0.1017408E+05  0.5545809E+02  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03 -0.3556293E-02  0.5329487E+06 -0.9734321E+04  0.6669573E+02  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03 -0.4630107E-02  0.4645904E+06 -0.9229297E+04  0.7358882E+02  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03 -0.5378155E-02  0.4000468E+06 -0.8682991E+04  0.7816272E+02  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03 -0.5845693E-02  0.3395553E+06 -0.8109286E+04  0.8119997E+02  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03 -0.6075137E-02  0.2832731E+06 -0.7517808E+04  0.8309925E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03 -0.6105953E-02  0.2312988E+06 -0.6915905E+04  0.8409617E+02  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03 -0.5974584E-02  0.1836841E+06 -0.6309521E+04  0.8434389E+02  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03 -0.5714417E-02  0.1404417E+06 -0.5703667E+04  0.8394890E+02  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03 -0.5355773E-02  0.1015513E+06 -0.5102690E+04  0.8298900E+02  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03 -0.4925923E-02  0.6696299E+05 -0.4510446E+04  0.8152335E+02  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03 -0.4449118E-02  0.3660087E+05 -0.3930408E+04  0.7959837E+02  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03 -0.3946649E-02  0.1036512E+05 -0.3365749E+04  0.7725137E+02  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.3436913E-02 -0.1186591E+05 -0.2819397E+04  0.7451295E+02  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03 -0.2935496E-02 -0.3023419E+05 -0.2294080E+04  0.7140848E+02  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.2455280E-02 -0.4490066E+05 -0.1792357E+04  0.6795900E+02  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.2006547E-02 -0.5604413E+05 -0.1316651E+04  0.6418158E+02  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.1597112E-02 -0.6386043E+05 -0.8692763E+03  0.6008915E+02  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.1232456E-02 -0.6856171E+05 -0.4524732E+03  0.5568948E+02  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.9158747E-03 -0.7037605E+05 -0.6845355E+02  0.5098265E+02  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.6486404E-03 -0.6954744E+05  0.2805238E+03  0.4595550E+02  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.4301722E-03 -0.6633651E+05  0.5920108E+03  0.4056868E+02  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03 -0.2582186E-03 -0.6102249E+05  0.8630607E+03  0.3472295E+02  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03 -0.1290536E-03 -0.5390843E+05  0.1089411E+04  0.2815226E+02  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03 -0.3768866E-04 -0.4533496E+05  0.1262647E+04  0.1996877E+02  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03  0.2188774E-04 -0.3572631E+05  0.1284571E+04 -0.1387881E+02  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03  0.5641313E-04 -0.2683714E+05  0.1160385E+04 -0.2061730E+02  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03  0.7212053E-04 -0.1901677E+05  0.1003771E+04 -0.2288673E+02  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03  0.7449352E-04 -0.1238284E+05  0.8368380E+03 -0.2348340E+02  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03  0.6818377E-04 -0.6966301E+04  0.6691797E+03 -0.2308835E+02  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03  0.5698930E-04 -0.2746657E+04  0.5068556E+03 -0.2200168E+02  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03  0.4386889E-04  0.3324197E+03  0.3542381E+03 -0.2039206E+02  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03  0.3098157E-04  0.2354372E+04  0.2147041E+03 -0.1836741E+02  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03  0.1974513E-04  0.3424158E+04  0.9098825E+02 -0.1599809E+02  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03  0.1090967E-04  0.3664603E+04 -0.1452759E+02 -0.1331187E+02  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03  0.4643804E-05  0.3214961E+04 -0.7916800E+02 -0.4643804E+01  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03  0.6322430E-06  0.2524584E+04 -0.9816177E+02 -0.6322430E+00  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03 -0.1609100E-05  0.1801431E+04 -0.9464508E+02  0.1609100E+01  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03 -0.2587293E-05  0.1161695E+04 -0.7953807E+02  0.2587293E+01  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03 -0.2750916E-05  0.6560832E+03 -0.6032051E+02  0.2750916E+01  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03 -0.2454498E-05  0.2930792E+03 -0.4158102E+02  0.2454498E+01  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03 -0.1952576E-05  0.5731649E+02 -0.2571555E+02  0.1952576E+01  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03 -0.1410464E-05 -0.7722473E+02 -0.1360861E+02  0.1410464E+01  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03 -0.9225005E-06 -0.1386475E+03 -0.5209941E+01  0.9225005E+00  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03 -0.5317560E-06 -0.1522479E+03  0.2538207E-01  0.5317560E+00  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03 -0.2477666E-06 -0.1382820E+03  0.2831663E+01  0.2477666E+00  0.7393125E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03 -0.6073936E-07 -0.1114719E+03  0.3942285E+01  0.6073936E-01  0.7393125E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03  0.4812462E-07 -0.8151312E+02  0.3987698E+01 -0.4812462E-01  0.7393125E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03  0.9983225E-07 -0.5404909E+02  0.3455053E+01 -0.9983225E-01  0.7393125E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.1136411E-06 -0.3176036E+02  0.2686549E+01 -0.1136411E+00  0.7393125E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03  0.1051798E-06 -0.1536278E+02  0.1898794E+01 -0.1051798E+00  0.7393125E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03  0.8594630E-07 -0.4417730E+01  0.1210740E+01 -0.8594630E-01  0.7393125E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03  0.6361509E-07  0.2071867E+01  0.6723186E+00 -0.6361509E-01  0.7393125E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.4273666E-07  0.5263658E+01  0.2894523E+00 -0.4273666E-01  0.7393125E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03  0.2554906E-07  0.6239980E+01  0.4362372E-01 -0.2554906E-01  0.7393125E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03  0.1273689E-07  0.5891839E+01 -0.9420571E-01 -0.1273689E-01  0.7393125E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03  0.4056031E-08  0.4883418E+01 -0.1546602E+00 -0.4056031E-02  0.7393125E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03 -0.1200616E-08  0.3664732E+01 -0.1649397E+00  0.1200616E-02  0.7393125E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03 -0.3887582E-08  0.2508286E+01 -0.1466222E+00  0.3887582E-02  0.7393125E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03 -0.4815758E-08  0.1553372E+01 -0.1152902E+00  0.4815758E-02  0.7393125E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.4654722E-08  0.8481071E+00 -0.8119647E-01  0.4654722E-02  0.7393125E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.3899000E-08  0.3841430E+00 -0.5040307E-01  0.3899000E-02  0.7393125E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.2873920E-08  0.1223029E+00 -0.2602056E-01  0.2873920E-02  0.7393125E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03 -0.1763082E-08  0.9446862E-02 -0.9327357E-02  0.1763082E-02  0.7393125E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03 -0.6456198E-09 -0.1201103E-01 -0.6560321E-03  0.6456198E-03  0.7393125E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.4634201E-09  0.0000000E+00  0.0000000E+00 -0.4634201E-03  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 3
  0.0000000E+00  0.2500000E+00 -0.2077418E+07  0.2382912E+05 -0.5928155E+02  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.2492717E+00 -0.1907521E+07  0.2336431E+05 -0.6455761E+02  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.2472058E+00 -0.1740972E+07  0.2288066E+05 -0.6978938E+02  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.2439192E+00 -0.1578040E+07  0.2235957E+05 -0.7495701E+02  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.2395260E+00 -0.1418994E+07  0.2180158E+05 -0.8004116E+02  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.2341379E+00 -0.1264097E+07  0.2120735E+05 -0.8502294E+02  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.2278634E+00 -0.1113608E+07  0.2057768E+05 -0.8988382E+02  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.2208081E+00 -0.9677784E+06  0.1991352E+05 -0.9460559E+02  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.2130741E+00 -0.8268532E+06  0.1921593E+05 -0.9917027E+02  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.2047604E+00 -0.6910691E+06  0.1848610E+05 -0.1035601E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.1959621E+00 -0.5606534E+06  0.1772536E+05 -0.1077576E+03  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.1867706E+00 -0.4358239E+06  0.1693515E+05 -0.1117452E+03  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.1772736E+00 -0.3167873E+06  0.1611704E+05 -0.1155059E+03  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.1675544E+00 -0.2037385E+06  0.1527274E+05 -0.1190224E+03  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.1576924E+00 -0.9685985E+05  0.1440406E+05 -0.1222777E+03  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.1477625E+00  0.3679946E+04  0.1351294E+05 -0.1252550E+03  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.1378351E+00  0.9772652E+05  0.1260145E+05 -0.1279375E+03  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.1279763E+00  0.1851408E+06  0.1167176E+05 -0.1303084E+03  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.1182473E+00  0.2657999E+06  0.1072619E+05 -0.1323510E+03  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.1087047E+00  0.3395980E+06  0.9767151E+04 -0.1340488E+03  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.9940016E-01  0.4064469E+06  0.8797189E+04 -0.1353852E+03  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.9038065E-01  0.4662775E+06  0.7818966E+04 -0.1363435E+03  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.8168809E-01  0.5190400E+06  0.6835264E+04 -0.1369070E+03  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.7335948E-01  0.5647053E+06  0.5848986E+04 -0.1370589E+03  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.6542683E-01  0.6032654E+06  0.4863159E+04 -0.1367820E+03  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.5791718E-01  0.6347348E+06  0.3880932E+04 -0.1360588E+03  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.5085261E-01  0.6591508E+06  0.2905585E+04 -0.1348709E+03  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.4425023E-01  0.6765752E+06  0.1940534E+04 -0.1331989E+03  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.3812226E-01  0.6870945E+06  0.9893388E+03 -0.1310220E+03  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03  0.3247607E-01  0.6908217E+06  0.5572011E+02 -0.1283166E+03  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.2731429E-01  0.6878969E+06 -0.8503152E+03 -0.1233599E+03  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03  0.2263485E-01  0.6785771E+06 -0.1716114E+04 -0.1171398E+03  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.1843122E-01  0.6631848E+06 -0.2535897E+04 -0.1105776E+03  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03  0.1469261E-01  0.6420602E+06 -0.3307077E+04 -0.1036391E+03  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03  0.1140421E-01  0.6155629E+06 -0.4026753E+04 -0.9627071E+02  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.8547439E-02  0.5840750E+06 -0.4691511E+04 -0.8838455E+02  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03  0.6100216E-02  0.5480052E+06 -0.5297076E+04 -0.7982793E+02  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03  0.4037249E-02  0.5077971E+06 -0.5837568E+04 -0.7030858E+02  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03  0.2330346E-02  0.4639442E+06 -0.6303691E+04 -0.5917003E+02  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03  0.9487569E-03  0.4170239E+06 -0.6676383E+04 -0.4435560E+02  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03 -0.1404185E-03  0.3678043E+06 -0.6751839E+04  0.2339556E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03 -0.9716925E-03  0.3197974E+06 -0.6503873E+04  0.4548390E+02  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03 -0.1578727E-02  0.2741485E+06 -0.6145541E+04  0.5405284E+02  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03 -0.1993531E-02  0.2313017E+06 -0.5738437E+04  0.5903173E+02  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03 -0.2246148E-02  0.1915150E+06 -0.5302523E+04  0.6205545E+02  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03 -0.2364476E-02  0.1549453E+06 -0.4849563E+04  0.6376658E+02  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03 -0.2374158E-02  0.1216813E+06 -0.4387816E+04  0.6449651E+02  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03 -0.2298518E-02  0.9176077E+05 -0.3923633E+04  0.6444325E+02  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.2158535E-02  0.6518098E+05 -0.3462184E+04  0.6373696E+02  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03 -0.1972849E-02  0.4190532E+05 -0.3007842E+04  0.6246918E+02  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.1757779E-02  0.2186806E+05 -0.2564406E+04  0.6070760E+02  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.1527375E-02  0.4977874E+04 -0.2135243E+04  0.5850426E+02  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.1293480E-02 -0.8879446E+04 -0.1723387E+04  0.5590033E+02  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.1065812E-02 -0.1983889E+05 -0.1331601E+04  0.5292891E+02  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.8520549E-03 -0.2805450E+05 -0.9624375E+03  0.4961658E+02  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.6579692E-03 -0.3369799E+05 -0.6182762E+03  0.4598380E+02  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.4875123E-03 -0.3695768E+05 -0.3013760E+03  0.4204402E+02  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03 -0.3429698E-03 -0.3803781E+05 -0.1393645E+02  0.3780029E+02  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03 -0.2250991E-03 -0.3715837E+05  0.2417960E+03  0.3323649E+02  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03 -0.1332836E-03 -0.3455595E+05  0.4633026E+03  0.2829313E+02  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.6569842E-04 -0.3048681E+05  0.6471955E+03  0.2278824E+02  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03 -0.1949034E-04 -0.2523633E+05  0.7870385E+03  0.1605703E+02  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03  0.9022226E-05 -0.1915345E+05  0.8070450E+03 -0.1049967E+02  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03  0.2410454E-04 -0.1361488E+05  0.7122897E+03 -0.1582126E+02  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03  0.2964021E-04 -0.8896483E+04  0.5930258E+03 -0.1730759E+02  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03  0.2893774E-04 -0.5075310E+04  0.4681059E+03 -0.1739237E+02  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03  0.2467650E-04 -0.2155758E+04  0.3455601E+03 -0.1664813E+02  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03  0.1890366E-04 -0.9924448E+02  0.2304499E+03 -0.1532691E+02  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03  0.1306123E-04  0.1162722E+04  0.1264177E+03 -0.1357093E+02  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03  0.8034095E-05  0.1721171E+04  0.3625200E+02 -0.1147510E+02  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03  0.4213829E-05  0.1684750E+04 -0.2022814E+02 -0.4213829E+01  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03  0.1574896E-05  0.1429885E+04 -0.4106755E+02 -0.1574896E+01  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03 -0.6141288E-07  0.1093378E+04 -0.4651609E+02  0.6141288E-01  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03 -0.9310539E-06  0.7600537E+03 -0.4294321E+02  0.9310539E+00  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03 -0.1267751E-05  0.4749955E+03 -0.3502751E+02  0.1267751E+01  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03 -0.1271386E-05  0.2556576E+03 -0.2588662E+02  0.1271386E+01  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03 -0.1095755E-05  0.1022282E+03 -0.1736491E+02  0.1095755E+01  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03 -0.8484429E-06  0.5602882E+01 -0.1036580E+02  0.8484429E+00  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03 -0.5972019E-06 -0.4703921E+02 -0.5161474E+01  0.5972019E+00  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03 -0.3789444E-06 -0.6872235E+02 -0.1647348E+01  0.3789444E+00  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03 -0.2088745E-06 -0.7076101E+02  0.4688008E+00  0.2088745E+00  0.7393125E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03 -0.8842172E-07 -0.6197162E+02  0.1539067E+01  0.8842172E-01  0.7393125E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03 -0.1142289E-07 -0.4859844E+02  0.1898508E+01  0.1142289E-01  0.7393125E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03  0.3149910E-07 -0.3463310E+02  0.1826234E+01 -0.3149910E-01  0.7393125E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.5013664E-07 -0.2230068E+02  0.1532345E+01 -0.5013664E-01  0.7393125E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03  0.5313711E-07 -0.1256734E+02  0.1160559E+01 -0.5313711E-01  0.7393125E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03  0.4732547E-07 -0.5588625E+01  0.7988940E+00 -0.4732547E-01  0.7393125E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03  0.3759514E-07 -0.1063264E+01  0.4931798E+00 -0.3759514E-01  0.7393125E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.2711924E-07  0.1513165E+01  0.2602081E+00 -0.2711924E-01  0.7393125E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03  0.1770437E-07  0.2683732E+01  0.9884305E-01 -0.1770437E-01  0.7393125E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03  0.1017131E-07  0.2936505E+01 -0.1509404E-02 -0.1017131E-01  0.7393125E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03  0.4697302E-08  0.2661997E+01 -0.5503641E-01 -0.4697302E-02  0.7393125E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03  0.1089865E-08  0.2143980E+01 -0.7587021E-01 -0.1089865E-02  0.7393125E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03 -0.1014230E-08  0.1569466E+01 -0.7614250E-01  0.1014230E-02  0.7393125E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03 -0.2017828E-08  0.1047528E+01 -0.6522709E-01  0.2017828E-02  0.7393125E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.2286908E-08  0.6301955E+00 -0.4973004E-01  0.2286908E-02  0.7393125E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.2114100E-08  0.3314158E+00 -0.3388641E-01  0.2114100E-02  0.7393125E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.1708905E-08  0.1422311E+00 -0.2012360E-01  0.1708905E-02  0.7393125E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03 -0.1203979E-08  0.4163607E-01 -0.9637211E-02  0.1203979E-02  0.7393125E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03 -0.6698587E-09  0.3455297E-02 -0.2891394E-02  0.6698587E-03  0.7393125E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03 -0.1333153E-09  0.0000000E+00  0.0000000E+00  0.1333153E-03  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 4
  0.2000000E+05  0.7085533E+00  0.1660577E+07  0.2000000E+05 -0.4604510E-02                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.2000000E+05  0.1832267E+00 -0.1664867E+07  0.2000000E+05  0.1156482E-16                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.1647265E+05  0.5000000E+00  0.1293057E+07  0.1647265E+05 -0.3414755E-02                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.2382912E+05  0.2500000E+00 -0.2077418E+07  0.2382912E+05 -0.8272914E-05                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
    5                                                                                                   Line 14: Number of stiffness matrix K-values computed
  0.4000000E+04  0.2000000E+00  0.3949696E+06  0.2592517E+09  0.2100469E+08  0.6191414E+10  0.1012736E-01  0.3230280E-10  Line 15: V, M, K22, K23, K32, K33, ytop, theta
  0.1089082E+05  0.5445412E+00  0.1760408E+06  0.2592517E+09  0.1240820E+08  0.6191414E+10  0.6186534E-01  0.8795104E-10  Line 15: V, M, K22, K23, K32, K33, ytop, theta
  0.1492170E+05  0.7460850E+00  0.1373261E+06  0.2592517E+09  0.1055558E+08  0.6191414E+10  0.1086589E+00  0.1205032E-09  Line 15: V, M, K22, K23, K32, K33, ytop, theta
  0.1778165E+05  0.8890825E+00  0.1196418E+06  0.2592517E+09  0.9646062E+07  0.6191414E+10  0.1486241E+00  0.1435993E-09  Line 15: V, M, K22, K23, K32, K33, ytop, theta
  0.2000000E+05  0.1000000E+01  0.1091555E+06  0.2592517E+09  0.9086443E+07  0.6191414E+10  0.1832249E+00  0.1615140E-09  Line 15: V, M, K22, K23, K32, K33, ytop, theta
    4    4    2                                                                                         Line 16: # free-head pushover steps computed, # fixed-head pushover steps computed, pushover BC type
    1    4  0.1000000E+00  0.6775938E+04  0.4094621E+06  0.6775938E+04  0.1152000E+03  0.0000000E+00    Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax
    2    4  0.2500000E+00  0.1121934E+05  0.7872729E+06  0.1121934E+05  0.1296000E+03  0.0000000E+00    Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax
    3    4  0.5000000E+00  0.1647284E+05  0.1293086E+07  0.1647284E+05  0.1440000E+03  0.0000000E+00    Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax
    4    4  0.1000000E+01  0.2423631E+05  0.2126171E+07  0.2423631E+05  0.1584000E+03  0.0000000E+00    Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax
    5    5  0.1000000E+00  0.1425596E+05  0.1080792E+07  0.1425596E+05  0.0000000E+00  0.0000000E+00    Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax
    6    5  0.2500000E+00  0.2382931E+05  0.2077454E+07  0.2382931E+05  0.0000000E+00  0.0000000E+00    Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax
    7    5  0.5000000E+00  0.3519211E+05  0.3406360E+07  0.3519211E+05  0.0000000E+00  0.0000000E+00    Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax
    8    5  0.1000000E+01  0.5199847E+05  0.5582894E+07  0.5199847E+05  0.0000000E+00  0.0000000E+00    Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
