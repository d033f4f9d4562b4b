    3    1    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
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
    5                                                                           Line 6 : number of output p-y curves
  0.2400000E+02   17                                                                                    Line 7:  p-y curve depth in Loess, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for Loess
  0.2925000E-01  0.5298945E+03                                                                          Line 8(2): y, p, for Loess
  0.5850000E-01  0.8791394E+03                                                                          Line 8(3): y, p, for Loess
  0.8775000E-01  0.1130293E+04                                                                          Line 8(4): y, p, for Loess
  0.1170000E+00  0.1321071E+04                                                                          Line 8(5): y, p, for Loess
  0.1755000E+00  0.1593116E+04                                                                          Line 8(6): y, p, for Loess
  0.2340000E+00  0.1777787E+04                                                                          Line 8(7): y, p, for Loess
  0.3510000E+00  0.2010548E+04                                                                          Line 8(8): y, p, for Loess
  0.4680000E+00  0.2149443E+04                                                                          Line 8(9): y, p, for Loess
  0.7020000E+00  0.2305859E+04                                                                          Line 8(10): y, p, for Loess
  0.9360000E+00  0.2391698E+04                                                                          Line 8(11): y, p, for Loess
  0.1404000E+01  0.2483759E+04                                                                          Line 8(12): y, p, for Loess
  0.1872000E+01  0.2532462E+04                                                                          Line 8(13): y, p, for Loess
  0.2691000E+01  0.2578627E+04                                                                          Line 8(14): y, p, for Loess
  0.3510000E+01  0.2603943E+04                                                                          Line 8(15): y, p, for Loess
  0.4680000E+01  0.2625113E+04                                                                          Line 8(16): y, p, for Loess
  0.5850000E+01  0.2637981E+04                                                                          Line 8(17): y, p, for Loess
  0.9600000E+02   17                                                                                    Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for Piedmont residual soil
  0.2400000E-01  0.2443886E+03                                                                          Line 8(2): y, p, for Piedmont residual soil
  0.8657143E-01  0.6369805E+03                                                                          Line 8(3): y, p, for Piedmont residual soil
  0.1491429E+00  0.9187362E+03                                                                          Line 8(4): y, p, for Piedmont residual soil
  0.2117143E+00  0.1140859E+04                                                                          Line 8(5): y, p, for Piedmont residual soil
  0.2742857E+00  0.1321645E+04                                                                          Line 8(6): y, p, for Piedmont residual soil
  0.3368572E+00  0.1470721E+04                                                                          Line 8(7): y, p, for Piedmont residual soil
  0.3994286E+00  0.1594055E+04                                                                          Line 8(8): y, p, for Piedmont residual soil
  0.4620000E+00  0.1695716E+04                                                                          Line 8(9): y, p, for Piedmont residual soil
  0.5245714E+00  0.1778658E+04                                                                          Line 8(10): y, p, for Piedmont residual soil
  0.5871429E+00  0.1845126E+04                                                                          Line 8(11): y, p, for Piedmont residual soil
  0.6497143E+00  0.1896883E+04                                                                          Line 8(12): y, p, for Piedmont residual soil
  0.7122857E+00  0.1935350E+04                                                                          Line 8(13): y, p, for Piedmont residual soil
  0.7748572E+00  0.1961698E+04                                                                          Line 8(14): y, p, for Piedmont residual soil
  0.8374286E+00  0.1976907E+04                                                                          Line 8(15): y, p, for Piedmont residual soil
  0.9000000E+00  0.1982487E+04                                                                          Line 8(16): y, p, for Piedmont residual soil
  0.9450000E+00  0.1982487E+04                                                                          Line 8(17): y, p, for Piedmont residual soil
  0.1800000E+03   17                                                                                    Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                                          Line 8( 1): y, p, for user-input p-y curve
  0.4800000E-02  0.3120000E+02                                                                          Line 8( 2): y, p, for user-input p-y curve
  0.3000000E-01  0.1950000E+03                                                                          Line 8( 3): y, p, for user-input p-y curve
  0.6000000E-01  0.3900000E+03                                                                          Line 8( 4): y, p, for user-input p-y curve
  0.9000000E-01  0.5850000E+03                                                                          Line 8( 5): y, p, for user-input p-y curve
  0.1200000E+00  0.7175000E+03                                                                          Line 8( 6): y, p, for user-input p-y curve
  0.1500000E+00  0.8187500E+03                                                                          Line 8( 7): y, p, for user-input p-y curve
  0.1800000E+00  0.9200000E+03                                                                          Line 8( 8): y, p, for user-input p-y curve
  0.2100000E+00  0.1021250E+04                                                                          Line 8( 9): y, p, for user-input p-y curve
  0.2400000E+00  0.1122500E+04                                                                          Line 8(10): y, p, for user-input p-y curve
  0.2700000E+00  0.1223750E+04                                                                          Line 8(11): y, p, for user-input p-y curve
  0.3000000E+00  0.1325000E+04                                                                          Line 8(12): y, p, for user-input p-y curve
  0.3300000E+00  0.1426250E+04                                                                          Line 8(13): y, p, for user-input p-y curve
  0.3600000E+00  0.1527500E+04                                                                          Line 8(14): y, p, for user-input p-y curve
  0.9600000E+00  0.2230000E+04                                                                          Line 8(15): y, p, for user-input p-y curve
  0.1800000E+01  0.2650000E+04                                                                          Line 8(16): y, p, for user-input p-y curve
  0.2400000E+01  0.2750000E+04                                                                          Line 8(17): y, p, for user-input p-y curve
  0.2880000E+03   17                                                                                    Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 4
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for weak rock
  0.3315278E-03  0.4137875E+04                                                                          Line 8(2): y, p, for weak rock
  0.5552973E-03  0.4707374E+04                                                                          Line 8(3): y, p, for weak rock
  0.7790667E-03  0.5123196E+04                                                                          Line 8(4): y, p, for weak rock
  0.1002836E-02  0.5457011E+04                                                                          Line 8(5): y, p, for weak rock
  0.1226606E-02  0.5738833E+04                                                                          Line 8(6): y, p, for weak rock
  0.1450375E-02  0.5984356E+04                                                                          Line 8(7): y, p, for weak rock
  0.2569222E-02  0.6903952E+04                                                                          Line 8(8): y, p, for weak rock
  0.3688069E-02  0.7556960E+04                                                                          Line 8(9): y, p, for weak rock
  0.4806917E-02  0.8074469E+04                                                                          Line 8(10): y, p, for weak rock
  0.5925764E-02  0.8508117E+04                                                                          Line 8(11): y, p, for weak rock
  0.7044611E-02  0.8884062E+04                                                                          Line 8(12): y, p, for weak rock
  0.8163458E-02  0.9217558E+04                                                                          Line 8(13): y, p, for weak rock
  0.9282306E-02  0.9518342E+04                                                                          Line 8(14): y, p, for weak rock
  0.1040115E-01  0.9793044E+04                                                                          Line 8(15): y, p, for weak rock
  0.1152000E-01  0.1004640E+05                                                                          Line 8(16): y, p, for weak rock
  0.1440000E-01  0.1004640E+05                                                                          Line 8(17): y, p, for weak rock
  0.4200000E+03   17                                                                                    Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. 5
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for vuggy limestone rock
  0.9600000E-02  0.8640000E+04                                                                          Line 8(2): y, p, for vuggy limestone rock
  0.1280000E-01  0.8784000E+04                                                                          Line 8(3): y, p, for vuggy limestone rock
  0.1600000E-01  0.8928000E+04                                                                          Line 8(4): y, p, for vuggy limestone rock
  0.1920000E-01  0.9072000E+04                                                                          Line 8(5): y, p, for vuggy limestone rock
  0.2240000E-01  0.9216000E+04                                                                          Line 8(6): y, p, for vuggy limestone rock
  0.2560000E-01  0.9360000E+04                                                                          Line 8(7): y, p, for vuggy limestone rock
  0.2880000E-01  0.9504000E+04                                                                          Line 8(8): y, p, for vuggy limestone rock
  0.3200000E-01  0.9648000E+04                                                                          Line 8(9): y, p, for vuggy limestone rock
  0.3520000E-01  0.9792000E+04                                                                          Line 8(10): y, p, for vuggy limestone rock
  0.3840000E-01  0.9936000E+04                                                                          Line 8(11): y, p, for vuggy limestone rock
  0.4160000E-01  0.1008000E+05                                                                          Line 8(12): y, p, for vuggy limestone rock
  0.4480000E-01  0.1022400E+05                                                                          Line 8(13): y, p, for vuggy limestone rock
  0.4800000E-01  0.1036800E+05                                                                          Line 8(14): y, p, for vuggy limestone rock
  0.5120000E-01  0.1051200E+05                                                                          Line 8(15): y, p, for vuggy limestone rock
  0.5440000E-01  0.1065600E+05                                                                          Line 8(16): y, p, for vuggy limestone rock
  0.5760000E-01  0.1080000E+05                                                                          Line 8(17): y, p, for vuggy limestone rock
    2   81    1                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.3984439E-01  0.8550018E-07  0.2000000E+05 -0.2650363E+03  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6000000E+01  0.3601533E-01  0.1152293E+06  0.1822190E+05 -0.3276628E+03  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1200000E+02  0.3224238E-01  0.2186628E+06  0.1608752E+05 -0.3837993E+03  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+02  0.2857591E-01  0.3082795E+06  0.1364249E+05 -0.4312091E+03  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2400000E+02  0.2505955E-01  0.3823727E+06  0.1094488E+05 -0.4679931E+03  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3000000E+02  0.2172939E-01  0.4396182E+06  0.8062843E+04 -0.4926876E+03  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.1861329E-01  0.4791268E+06  0.5071778E+04 -0.5043342E+03  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4200000E+02  0.1573050E-01  0.5004795E+06  0.2051250E+04 -0.5025083E+03  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+02  0.1309141E-01  0.5037418E+06 -0.4308572E+03 -0.3248609E+03  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+02  0.1069761E-01  0.4953092E+06 -0.2253156E+04 -0.2825721E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6000000E+02  0.8544995E-02  0.4767040E+06 -0.3303902E+04 -0.6767636E+02  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6600000E+02  0.6624507E-02  0.4556624E+06 -0.3671824E+04 -0.5496448E+02  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.4925900E-02  0.4326421E+06 -0.3964904E+04 -0.4272866E+02  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7800000E+02  0.3437962E-02  0.4080835E+06 -0.4186445E+04 -0.3111847E+02  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8400000E+02  0.2148736E-02  0.3824047E+06 -0.4340579E+04 -0.2025951E+02  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9000000E+02  0.1045718E-02  0.3559966E+06 -0.4432120E+04 -0.1025401E+02  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9600000E+02  0.1160487E-03  0.3292193E+06 -0.4466427E+04 -0.1181707E+01  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1020000E+03 -0.6533111E-03  0.3023995E+06 -0.4449275E+04  0.6898965E+01  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03 -0.1275421E-02  0.2758280E+06 -0.4386730E+04  0.1394946E+02  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1140000E+03 -0.1763219E-02  0.2497587E+06 -0.4285033E+04  0.1994956E+02  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1200000E+03 -0.2129400E-02  0.2244076E+06 -0.4150497E+04  0.2489573E+02  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1260000E+03 -0.2386309E-02  0.1999528E+06 -0.3989412E+04  0.2879933E+02  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1320000E+03 -0.2545852E-02  0.1765347E+06 -0.3807959E+04  0.3168495E+02  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1380000E+03 -0.2619434E-02  0.1542573E+06 -0.3612138E+04  0.3358863E+02  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03 -0.2617902E-02  0.1331890E+06 -0.3472104E+04  0.1308951E+02  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1500000E+03 -0.2551515E-02  0.1125920E+06 -0.3392649E+04  0.1339545E+02  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1560000E+03 -0.2430303E-02  0.9247724E+05 -0.3312362E+04  0.1336667E+02  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1620000E+03 -0.2264060E-02  0.7284367E+05 -0.3233207E+04  0.1301834E+02  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1680000E+03 -0.2062346E-02  0.5367875E+05 -0.3157030E+04  0.1237408E+02  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1740000E+03 -0.1834495E-02  0.3495931E+05 -0.3085511E+04  0.1146559E+02  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03 -0.1589620E-02  0.1665262E+05 -0.3020117E+04  0.1033253E+02  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1860000E+03 -0.1336636E-02 -0.1282093E+04 -0.2962052E+04  0.9022294E+01  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1920000E+03 -0.1084277E-02 -0.1889200E+05 -0.2912215E+04  0.7589938E+01  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1980000E+03 -0.8411169E-03 -0.3622868E+05 -0.2871151E+04  0.6098097E+01  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2040000E+03 -0.6155980E-03 -0.5334582E+05 -0.2839006E+04  0.4616985E+01  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2100000E+03 -0.4160552E-03 -0.7029675E+05 -0.2815482E+04  0.3224428E+01  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03 -0.2507427E-03 -0.8713160E+05 -0.1301352E+04  0.5014855E+03  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2220000E+03 -0.1278580E-03 -0.8591298E+05  0.1247278E+04  0.3480578E+03  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2280000E+03 -0.4680760E-04 -0.7216427E+05  0.2779030E+04  0.1625264E+03  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2340000E+03 -0.8968159E-06 -0.5256461E+05  0.3278044E+04  0.3811468E+01  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2400000E+03  0.1941821E-04 -0.3282774E+05  0.2994969E+04 -0.9816986E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2460000E+03  0.2374814E-04 -0.1662499E+05  0.2280909E+04 -0.1398502E+03  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.1998271E-04 -0.5456841E+04  0.1456708E+04 -0.1348833E+03  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2580000E+03  0.1356013E-04  0.8555099E+03  0.7413054E+03 -0.1035844E+03  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2640000E+03  0.7554137E-05  0.3438824E+04  0.2366628E+03 -0.6462984E+02  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2700000E+03  0.3222638E-05  0.3695463E+04 -0.4907193E+02 -0.3061506E+02  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2760000E+03  0.6906040E-06  0.2849961E+04 -0.1626136E+03 -0.7232158E+01  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2820000E+03 -0.4536736E-06  0.1744100E+04 -0.1686961E+03  0.5204645E+01  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03 -0.7486810E-06  0.8256069E+03 -0.1250067E+03  0.9358513E+01  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2940000E+03 -0.6416683E-06  0.2440202E+03 -0.7246752E+02  0.8154535E+01  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3000000E+03 -0.4158326E-06 -0.4400329E+02 -0.3189040E+02  0.5371172E+01  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3060000E+03 -0.2114239E-06 -0.1386646E+03 -0.7452068E+01  0.2774939E+01  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3120000E+03 -0.7453634E-07 -0.1334281E+03  0.3854201E+01  0.9938179E+00  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3180000E+03 -0.2620113E-08 -0.9241418E+02  0.6942097E+01  0.3548069E-01  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03  0.2429606E-07 -0.5012294E+02  0.6046327E+01 -0.3340708E+00  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3300000E+03  0.2680542E-07 -0.1985825E+02  0.3921638E+01 -0.3741590E+00  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3360000E+03  0.1964502E-07 -0.3063288E+01  0.1964247E+01 -0.2783045E+00  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3420000E+03  0.1099299E-07  0.3712714E+01  0.6552609E+00 -0.1580243E+00  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3480000E+03  0.4148830E-08  0.4799842E+01 -0.3232732E-03 -0.6050377E-01  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3540000E+03 -0.3581043E-09  0.3708835E+01 -0.1659437E+00  0.5296959E-02  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.3059062E-08  0.2808518E+01 -0.1453725E+00  0.1560122E-02  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3660000E+03 -0.4392444E-08  0.1964365E+01 -0.1288325E+00  0.3953200E-02  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3720000E+03 -0.4769299E-08  0.1262528E+01 -0.1040958E+00  0.4292370E-02  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3780000E+03 -0.4531381E-08  0.7152160E+00 -0.7898395E-01  0.4078243E-02  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3840000E+03 -0.3945196E-08  0.3147207E+00 -0.5609719E-01  0.3550676E-02  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3900000E+03 -0.3205761E-08  0.4204969E-01 -0.3678961E-01  0.2885185E-02  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.2445851E-08 -0.1267546E+00 -0.2153025E-01  0.2201266E-02  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4020000E+03 -0.1747662E-08 -0.2163134E+00 -0.1020777E-01  0.1572896E-02  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4080000E+03 -0.1154805E-08 -0.2492478E+00 -0.2371106E-02  0.1039325E-02  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4140000E+03 -0.6833165E-09 -0.2447666E+00  0.2591822E-02  0.6149848E-03  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4200000E+03 -0.3310141E-09 -0.2181460E+00  0.5330515E-02  0.2979127E-03  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4260000E+03 -0.8493557E-10 -0.1808005E+00  0.6453579E-02  0.7644201E-04  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03  0.7310421E-10 -0.1407030E+00  0.6485523E-02 -0.6579379E-04  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4380000E+03  0.1626302E-09 -0.1029742E+00  0.5849041E-02 -0.1463672E-03  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4440000E+03  0.2020141E-09 -0.7051455E-01  0.4864501E-02 -0.1818126E-03  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4500000E+03  0.2070616E-09 -0.4460018E-01  0.3759997E-02 -0.1863555E-03  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4560000E+03  0.1903916E-09 -0.2539459E-01  0.2686873E-02 -0.1713525E-03  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4620000E+03  0.1613560E-09 -0.1235770E-01  0.1737154E-02 -0.1452204E-03  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03  0.1263030E-09 -0.4548745E-02  0.9604747E-03 -0.1136727E-03  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4740000E+03  0.8903500E-10 -0.8320055E-03  0.3790621E-03 -0.8013150E-04  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+03  0.5136185E-10  0.0000000E+00  0.0000000E+00 -0.4622567E-04  0.7394130E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
   19                                                                                                   Line 11: Num. points on Ytop vs. pile length curve for load case 1
  0.4800000E+03  0.3984439E-01  0.5037418E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4560000E+03  0.3912585E-01  0.5125040E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4320000E+03  0.3931129E-01  0.5107011E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4080000E+03  0.3924452E-01  0.5109164E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3840000E+03  0.3944912E-01  0.5082624E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3600000E+03  0.3918215E-01  0.5107642E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3360000E+03  0.3905730E-01  0.5129144E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3120000E+03  0.3904432E-01  0.5131440E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2880000E+03  0.3911887E-01  0.5118121E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2640000E+03  0.3908765E-01  0.5121549E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2400000E+03  0.3952102E-01  0.5066013E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2160000E+03  0.4007460E-01  0.5033800E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.1920000E+03  0.4047884E-01  0.5000600E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.1680000E+03  0.4236489E-01  0.4838608E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.1440000E+03  0.4436037E-01  0.4708190E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.1200000E+03  0.5264488E-01  0.4283266E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.9599999E+02  0.7422194E-01  0.3597693E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.7199999E+02  0.1229779E+00  0.2841685E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4799998E+02  0.2490038E+00  0.2197048E+06  0.2000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.0000000E+00  0.1782895E-01 -0.6516567E+06  0.2000000E+05 -0.1388734E+03  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6000000E+01  0.1767029E-01 -0.5341564E+06  0.1903214E+05 -0.1837462E+03  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1200000E+02  0.1725153E-01 -0.4232710E+06  0.1779246E+05 -0.2294817E+03  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+02  0.1662666E-01 -0.3206469E+06  0.1628031E+05 -0.2745670E+03  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2400000E+02  0.1584566E-01 -0.2279073E+06  0.1450369E+05 -0.3176395E+03  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3000000E+02  0.1495368E-01 -0.1466026E+06  0.1247817E+05 -0.3575345E+03  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.1399032E-01 -0.7816922E+05  0.1022562E+05 -0.3933144E+03  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4200000E+02  0.1298889E-01 -0.2389514E+05  0.7772867E+04 -0.4242709E+03  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+02  0.1197582E-01  0.1510518E+05  0.5600268E+04 -0.2999289E+03  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+02  0.1097011E-01  0.4330807E+05  0.3833166E+04 -0.2891050E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6000000E+02  0.9985490E-02  0.6110317E+05  0.2728596E+04 -0.7908508E+02  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6600000E+02  0.9030622E-02  0.7605121E+05  0.2266555E+04 -0.7492836E+02  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.8112786E-02  0.8830184E+05  0.1830652E+04 -0.7037263E+02  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7800000E+02  0.7237948E-02  0.9801904E+05  0.1422993E+04 -0.6551377E+02  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8400000E+02  0.6410839E-02  0.1053778E+06  0.1045117E+04 -0.6044506E+02  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9000000E+02  0.5635043E-02  0.1105604E+06  0.6980145E+03 -0.5525562E+02  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9600000E+02  0.4913083E-02  0.1137539E+06  0.3821600E+03 -0.5002922E+02  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1020000E+03  0.4246514E-02  0.1151464E+06  0.9754277E+02 -0.4484319E+02  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.3636015E-02  0.1149244E+06 -0.1562896E+03 -0.3976761E+02  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1140000E+03  0.3081476E-02  0.1132709E+06 -0.3801866E+03 -0.3486470E+02  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1200000E+03  0.2582094E-02  0.1103622E+06 -0.5753458E+03 -0.3018836E+02  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1260000E+03  0.2136451E-02  0.1063667E+06 -0.7432626E+03 -0.2578391E+02  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1320000E+03  0.1742602E-02  0.1014431E+06 -0.8856781E+03 -0.2168793E+02  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1380000E+03  0.1398150E-02  0.9573860E+05 -0.1004527E+04 -0.1792828E+02  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.1100317E-02  0.8938873E+05 -0.1074816E+04 -0.5501584E+01  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1500000E+03  0.8460103E-03  0.8284080E+05 -0.1104646E+04 -0.4441554E+01  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1560000E+03  0.6320422E-03  0.7613298E+05 -0.1128399E+04 -0.3476232E+01  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1620000E+03  0.4551463E-03  0.6930001E+05 -0.1146679E+04 -0.2617091E+01  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1680000E+03  0.3119953E-03  0.6237283E+05 -0.1160146E+04 -0.1871972E+01  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1740000E+03  0.1992160E-03  0.5537826E+05 -0.1169497E+04 -0.1245100E+01  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.1134025E-03  0.4833886E+05 -0.1175444E+04 -0.7371163E+00  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1860000E+03  0.5112712E-04  0.4127293E+05 -0.1178691E+04 -0.3451080E+00  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1920000E+03  0.8949124E-05  0.3419457E+05 -0.1179914E+04 -0.6264387E-01  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1980000E+03 -0.1657820E-04  0.2711396E+05 -0.1179741E+04  0.1201920E+00  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2040000E+03 -0.2890268E-04  0.2003768E+05 -0.1178730E+04  0.2167701E+00  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2100000E+03 -0.3147004E-04  0.1296920E+05 -0.1177348E+04  0.2438928E+00  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03 -0.2772219E-04  0.5909496E+04 -0.1010284E+04  0.5544439E+02  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2220000E+03 -0.2109678E-04  0.8457927E+03 -0.6716601E+03  0.5743013E+02  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2280000E+03 -0.1405952E-04 -0.2150426E+04 -0.3529164E+03  0.4881778E+02  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2340000E+03 -0.8069385E-05 -0.3389204E+04 -0.1035784E+03  0.3429489E+02  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2400000E+03 -0.3729585E-05 -0.3393367E+04  0.5587162E+02  0.1885512E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2460000E+03 -0.1042147E-05 -0.2718745E+04  0.1308482E+03  0.6137087E+01  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.3214284E-06 -0.1823188E+04  0.1427506E+03 -0.2169642E+01  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2580000E+03  0.7972227E-06 -0.1005738E+04  0.1179720E+03 -0.6089896E+01  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2640000E+03  0.7832842E-06 -0.4075240E+03  0.7959799E+02 -0.6701432E+01  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2700000E+03  0.5709065E-06 -0.5056183E+02  0.4322286E+02 -0.5423612E+01  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2760000E+03  0.3339082E-06  0.1111503E+03  0.1646174E+02 -0.3496761E+01  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2820000E+03  0.1510333E-06  0.1469791E+03  0.7733955E+00 -0.1732688E+01  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.3972829E-07  0.1204311E+03 -0.5914479E+01 -0.4966036E+00  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2940000E+03 -0.1293418E-07  0.7600532E+02 -0.6911175E+01  0.1643718E+00  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3000000E+03 -0.2858670E-07  0.3749697E+02 -0.5310325E+01  0.3692448E+00  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3060000E+03 -0.2598048E-07  0.1228143E+02 -0.3179608E+01  0.3409939E+00  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3120000E+03 -0.1739396E-07 -0.6583310E+00 -0.1460868E+01  0.2319195E+00  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3180000E+03 -0.9128012E-08 -0.5248989E+01 -0.3942842E+00  0.1236085E+00  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03 -0.3417996E-08 -0.5389742E+01  0.1175336E+00  0.4699745E-01  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3300000E+03 -0.3324558E-09 -0.3838586E+01  0.2724475E+00  0.4640529E-02  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3360000E+03  0.8839279E-09 -0.2120371E+01  0.2488022E+00 -0.1252231E-01  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3420000E+03  0.1067820E-08 -0.8529599E+00  0.1651855E+00 -0.1534992E-01  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3480000E+03  0.8363734E-09 -0.1381454E+00  0.8254441E-01 -0.1219711E-01  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3540000E+03  0.5376581E-09  0.1375731E+00  0.2209450E-01 -0.7952859E-02  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03  0.3059324E-09  0.1269886E+00 -0.2232152E-02 -0.1560255E-03  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3660000E+03  0.1360425E-09  0.1107872E+00 -0.3067544E-02 -0.1224383E-03  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3720000E+03  0.2009919E-10  0.9017810E-01 -0.3489126E-02 -0.1808927E-04  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3780000E+03 -0.5193290E-10  0.6891773E-01 -0.3403175E-02  0.4673961E-04  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3840000E+03 -0.9040626E-10  0.4933999E-01 -0.3018859E-02  0.8136564E-04  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3900000E+03 -0.1048541E-09  0.3269142E-01 -0.2491656E-02  0.9436866E-04  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.1033831E-09  0.1944012E-01 -0.1929416E-02  0.9304483E-04  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4020000E+03 -0.9244607E-10  0.9538427E-02 -0.1400677E-02  0.8320146E-04  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4080000E+03 -0.7686437E-10  0.2631991E-02 -0.9435390E-03  0.6917793E-04  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4140000E+03 -0.6000105E-10 -0.1784040E-02 -0.5740023E-03  0.5400094E-04  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4200000E+03 -0.4400645E-10 -0.4256037E-02 -0.2931821E-03  0.3960580E-04  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4260000E+03 -0.3008427E-10 -0.5302225E-02 -0.9313714E-04  0.2707585E-04  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.1874396E-10 -0.5373683E-02  0.3869910E-04  0.1686957E-04  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4380000E+03 -0.1002030E-10 -0.4837836E-02  0.1163626E-03  0.9018274E-05  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4440000E+03 -0.3652378E-11 -0.3977331E-02  0.1532789E-03  0.3287140E-05  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4500000E+03  0.7788317E-12 -0.2998490E-02  0.1610374E-03 -0.7009485E-06  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4560000E+03  0.3749960E-11 -0.2044882E-02  0.1488097E-03 -0.3374964E-05  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4620000E+03  0.5725356E-11 -0.1212773E-02  0.1232263E-03 -0.5152820E-05  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03  0.7110205E-11 -0.5661659E-03  0.8857033E-04 -0.6399184E-05  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4740000E+03  0.8219366E-11 -0.1499292E-03  0.4718049E-04 -0.7397429E-05  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+03  0.9255520E-11  0.0000000E+00  0.0000000E+00 -0.8329968E-05  0.7394130E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.2000000E+05  0.3984439E-01  0.5037418E+06  0.2000000E+05 -0.6381760E-03                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.2000000E+05  0.1782895E-01 -0.6516567E+06  0.2000000E+05 -0.5782412E-18                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
