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
    3                                                                           Line 6 : number of output p-y curves
  0.2400000E+02   17                                                                                    Line 7:  p-y curve depth in sand, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for sand
  0.5456027E+00  0.6985456E+02                                                                          Line 8(2): y, p, for sand
  0.5728640E+00  0.7151365E+02                                                                          Line 8(3): y, p, for sand
  0.6001254E+00  0.7253864E+02                                                                          Line 8(4): y, p, for sand
  0.6273867E+00  0.7356363E+02                                                                          Line 8(5): y, p, for sand
  0.6546480E+00  0.7458861E+02                                                                          Line 8(6): y, p, for sand
  0.6819094E+00  0.7561360E+02                                                                          Line 8(7): y, p, for sand
  0.7091707E+00  0.7663859E+02                                                                          Line 8(8): y, p, for sand
  0.7364320E+00  0.7766358E+02                                                                          Line 8(9): y, p, for sand
  0.7636933E+00  0.7868856E+02                                                                          Line 8(10): y, p, for sand
  0.7909547E+00  0.7971355E+02                                                                          Line 8(11): y, p, for sand
  0.8182160E+00  0.8073854E+02                                                                          Line 8(12): y, p, for sand
  0.8454773E+00  0.8176353E+02                                                                          Line 8(13): y, p, for sand
  0.8727387E+00  0.8278851E+02                                                                          Line 8(14): y, p, for sand
  0.9000000E+00  0.8381350E+02                                                                          Line 8(15): y, p, for sand
  0.9225000E+00  0.8381350E+02                                                                          Line 8(16): y, p, for sand
  0.9450000E+00  0.8381350E+02                                                                          Line 8(17): y, p, for sand
  0.1800000E+03   17                                                                                    Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                                          Line 8( 1): y, p, for liquefied sand
  0.5552982E-01  0.1149418E+02                                                                          Line 8( 2): y, p, for liquefied sand
  0.1110596E+00  0.2689073E+02                                                                          Line 8( 3): y, p, for liquefied sand
  0.1665895E+00  0.4421062E+02                                                                          Line 8( 4): y, p, for liquefied sand
  0.2221193E+00  0.6291109E+02                                                                          Line 8( 5): y, p, for liquefied sand
  0.2776491E+00  0.8271015E+02                                                                          Line 8( 6): y, p, for liquefied sand
  0.3331789E+00  0.1034311E+03                                                                          Line 8( 7): y, p, for liquefied sand
  0.3887088E+00  0.1249516E+03                                                                          Line 8( 8): y, p, for liquefied sand
  0.4442386E+00  0.1471810E+03                                                                          Line 8( 9): y, p, for liquefied sand
  0.4997684E+00  0.1700495E+03                                                                          Line 8(10): y, p, for liquefied sand
  0.5552982E+00  0.1935011E+03                                                                          Line 8(11): y, p, for liquefied sand
  0.6108280E+00  0.2174901E+03                                                                          Line 8(12): y, p, for liquefied sand
  0.6663579E+00  0.2419780E+03                                                                          Line 8(13): y, p, for liquefied sand
  0.7218877E+00  0.2669325E+03                                                                          Line 8(14): y, p, for liquefied sand
  0.7774175E+00  0.2923254E+03                                                                          Line 8(15): y, p, for liquefied sand
  0.8329473E+00  0.3181321E+03                                                                          Line 8(16): y, p, for liquefied sand
  0.8745947E+00  0.3181321E+03                                                                          Line 8(17): y, p, for liquefied sand
  0.3600000E+03   17                                                                                    Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for API sand
  0.3547276E+00  0.4716046E+04                                                                          Line 8(2): y, p, for API sand
  0.7094552E+00  0.9090441E+04                                                                          Line 8(3): y, p, for API sand
  0.1064183E+01  0.1287385E+05                                                                          Line 8(4): y, p, for API sand
  0.1418910E+01  0.1595318E+05                                                                          Line 8(5): y, p, for API sand
  0.1773638E+01  0.1833784E+05                                                                          Line 8(6): y, p, for API sand
  0.2128365E+01  0.2011438E+05                                                                          Line 8(7): y, p, for API sand
  0.2483093E+01  0.2140006E+05                                                                          Line 8(8): y, p, for API sand
  0.2837821E+01  0.2231110E+05                                                                          Line 8(9): y, p, for API sand
  0.3192548E+01  0.2294708E+05                                                                          Line 8(10): y, p, for API sand
  0.3547276E+01  0.2338642E+05                                                                          Line 8(11): y, p, for API sand
  0.3902003E+01  0.2368772E+05                                                                          Line 8(12): y, p, for API sand
  0.4256731E+01  0.2389332E+05                                                                          Line 8(13): y, p, for API sand
  0.4611459E+01  0.2403316E+05                                                                          Line 8(14): y, p, for API sand
  0.4966186E+01  0.2412804E+05                                                                          Line 8(15): y, p, for API sand
  0.5320914E+01  0.2419231E+05                                                                          Line 8(16): y, p, for API sand
  0.5675641E+01  0.2423581E+05                                                                          Line 8(17): y, p, for API sand
    2  101    1                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.7266204E+00 -0.3166673E-06  0.3000000E+05  0.0000000E+00  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.6878709E+00  0.2160000E+06  0.2995716E+05 -0.1190044E+02  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.6492729E+00  0.4313831E+06  0.2980011E+05 -0.3172537E+02  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.6109774E+00  0.6451215E+06  0.2946829E+05 -0.6044577E+02  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.5731342E+00  0.8557264E+06  0.2890106E+05 -0.9711926E+02  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.5358911E+00  0.1061297E+07  0.2803920E+05 -0.1422851E+03  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.4993921E+00  0.1259491E+07  0.2684866E+05 -0.1884192E+03  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.4637763E+00  0.1447917E+07  0.2530157E+05 -0.2413287E+03  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.4291758E+00  0.1623834E+07  0.2335180E+05 -0.3002758E+03  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.3957138E+00  0.1784183E+07  0.2097024E+05 -0.3612686E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.3635029E+00  0.1925805E+07  0.1815146E+05 -0.4217240E+03  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.3326424E+00  0.2045564E+07  0.1491908E+05 -0.4761612E+03  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.3032162E+00  0.2140640E+07  0.1132783E+05 -0.5214080E+03  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.2752910E+00  0.2208685E+07  0.7463534E+04 -0.5520065E+03  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.2489146E+00  0.2248115E+07  0.3264548E+04 -0.6143785E+03  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.2241145E+00  0.2255695E+07 -0.1486656E+04 -0.7054003E+03  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.2008960E+00  0.2226707E+07 -0.6921832E+04 -0.8043710E+03  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.1792389E+00  0.2156020E+07 -0.9892945E+04 -0.2093818E+02  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.1590936E+00  0.2084248E+07 -0.1004050E+05 -0.2004843E+02  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.1404098E+00  0.2011437E+07 -0.1018131E+05 -0.1906716E+02  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.1231363E+00  0.1937637E+07 -0.1031475E+05 -0.1799980E+02  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.1072215E+00  0.1862905E+07 -0.1044022E+05 -0.1685285E+02  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.9261300E-01  0.1787298E+07 -0.1055718E+05 -0.1563391E+02  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.7925770E-01  0.1710881E+07 -0.1066512E+05 -0.1435161E+02  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.6710206E-01  0.1633720E+07 -0.1076365E+05 -0.1301570E+02  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.5609197E-01  0.1555885E+07 -0.1085240E+05 -0.1163695E+02  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.4617286E-01  0.1477446E+07 -0.1093111E+05 -0.1022717E+02  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.3728972E-01  0.1398477E+07 -0.1099960E+05 -0.8799237E+01  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.2938718E-01  0.1319052E+07 -0.1105780E+05 -0.7367102E+01  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03  0.2240954E-01  0.1239244E+07 -0.1110573E+05 -0.5945926E+01  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.1630086E-01  0.1159129E+07 -0.1114352E+05 -0.4552418E+01  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03  0.1100495E-01  0.1078778E+07 -0.1117145E+05 -0.3205726E+01  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.6465465E-02  0.9982602E+06 -0.1118994E+05 -0.1930005E+01  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03  0.2625955E-02  0.9176426E+06 -0.1119964E+05 -0.7643531E+00  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03 -0.5701107E-03  0.8369854E+06 -0.1118894E+05  0.3736079E+01  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03 -0.3179289E-02  0.7565219E+06 -0.1109554E+05  0.2220803E+02  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03 -0.5258000E-02  0.6772096E+06 -0.1087520E+05  0.3899945E+02  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03 -0.6861858E-02  0.5999191E+06 -0.1054090E+05  0.5385949E+02  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03 -0.8045057E-02  0.5254206E+06 -0.1010717E+05  0.6662168E+02  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03 -0.8859835E-02  0.4543758E+06 -0.9589427E+04  0.7719614E+02  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03 -0.9356008E-02  0.3873329E+06 -0.9003501E+04  0.8556102E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03 -0.9580587E-02  0.3247254E+06 -0.8365168E+04  0.9175365E+02  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03 -0.9577471E-02  0.2668744E+06 -0.7689754E+04  0.9586140E+02  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03 -0.9387225E-02  0.2139929E+06 -0.6991807E+04  0.9801267E+02  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03 -0.9046928E-02  0.1661924E+06 -0.6284836E+04  0.9836809E+02  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03 -0.8590099E-02  0.1234913E+06 -0.5581108E+04  0.9711208E+02  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03 -0.8046679E-02  0.8582447E+05 -0.4891502E+04  0.9444500E+02  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03 -0.7443079E-02  0.5305367E+05 -0.4225427E+04  0.9057604E+02  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.6802278E-02  0.2497833E+05 -0.3590773E+04  0.8571674E+02  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03 -0.6143963E-02  0.1346543E+04 -0.2993921E+04  0.8007549E+02  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.5484704E-02 -0.1813413E+05 -0.2439779E+04  0.7385270E+02  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.4838160E-02 -0.3378628E+05 -0.1931856E+04  0.6723698E+02  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.4215307E-02 -0.4595286E+05 -0.1472356E+04  0.6040210E+02  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.3624675E-02 -0.5498820E+05 -0.1062291E+04  0.5350469E+02  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.3072601E-02 -0.6124985E+05 -0.7016162E+03  0.4668277E+02  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.2563475E-02 -0.6509147E+05 -0.3893605E+03  0.4005492E+02  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.2099990E-02 -0.6685664E+05 -0.1237706E+03  0.3372006E+02  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03 -0.1683385E-02 -0.6687377E+05  0.9754956E+02  0.2775775E+02  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03 -0.1313671E-02 -0.6545193E+05  0.2775017E+03  0.2222895E+02  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03 -0.9898512E-03 -0.6287774E+05  0.4193636E+03  0.1717714E+02  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.7101210E-03 -0.5941309E+05  0.5266682E+03  0.1262968E+02  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03 -0.4720508E-03 -0.5529372E+05  0.6030931E+03  0.8599469E+01  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03 -0.2727521E-03 -0.5072855E+05  0.6523631E+03  0.5086622E+01  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03 -0.1090238E-03 -0.4589969E+05  0.6781640E+03  0.2080311E+01  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03  0.2251994E-04 -0.4096299E+05  0.6840712E+03 -0.4394373E+00  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03  0.1253408E-03 -0.3604907E+05  0.6734894E+03 -0.2499953E+01  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03  0.2028843E-03 -0.3126474E+05  0.6496063E+03 -0.4134225E+01  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03  0.2585052E-03 -0.2669474E+05  0.6153576E+03 -0.5379301E+01  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03  0.2954080E-03 -0.2240359E+05  0.5734027E+03 -0.6274837E+01  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03  0.3166016E-03 -0.1843774E+05  0.5261109E+03 -0.6861787E+01  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03  0.3248668E-03 -0.1482760E+05  0.4755559E+03 -0.7181262E+01  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03  0.3227350E-03 -0.1158973E+05  0.4235185E+03 -0.7273560E+01  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03  0.3124766E-03 -0.8728929E+04  0.3714953E+03 -0.7177353E+01  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03  0.2960975E-03 -0.6240200E+04  0.3207122E+03 -0.6929051E+01  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03  0.2753428E-03 -0.4110673E+04  0.2721433E+03 -0.6562314E+01  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03  0.2517058E-03 -0.2321336E+04  0.2265312E+03 -0.6107704E+01  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03  0.2264410E-03 -0.8486232E+03  0.1844106E+03 -0.5592471E+01  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03  0.2005812E-03  0.3341762E+03  0.1461321E+03 -0.5040456E+01  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03  0.1749558E-03  0.1255678E+04  0.1118869E+03 -0.4472088E+01  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03  0.1502108E-03  0.1945348E+04  0.8173130E+02 -0.3904466E+01  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.1268298E-03  0.2432609E+04  0.5560978E+02 -0.3351510E+01  0.7393125E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03  0.1051546E-03  0.2746128E+04  0.3337735E+02 -0.2824164E+01  0.7393125E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03  0.8540498E-04  0.2913243E+04  0.1482006E+02 -0.2330638E+01  0.7393125E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03  0.6769808E-04  0.2959537E+04 -0.3262674E+00 -0.1876676E+01  0.7393125E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.5206638E-04  0.2908545E+04 -0.1235932E+02 -0.1465838E+01  0.7393125E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03  0.3847413E-04  0.2781563E+04 -0.2159559E+02 -0.1099793E+01  0.7393125E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03  0.2683230E-04  0.2597568E+04 -0.2835780E+02 -0.7785995E+00  0.7393125E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03  0.1701185E-04  0.2373211E+04 -0.3296431E+02 -0.5009863E+00  0.7393125E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.8855482E-05  0.2122882E+04 -0.3572047E+02 -0.2646129E+00  0.7393125E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03  0.2187662E-05  0.1858836E+04 -0.3691181E+02 -0.6631514E-01  0.7393125E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03 -0.3176758E-05  0.1591352E+04 -0.3679893E+02  0.9767023E-01  0.7393125E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03 -0.7425334E-05  0.1328931E+04 -0.3561391E+02  0.2315015E+00  0.7393125E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03 -0.1074207E-04  0.1078512E+04 -0.3355813E+02  0.3395489E+00  0.7393125E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03 -0.1330257E-04  0.8456944E+03 -0.3080132E+02  0.4262310E+00  0.7393125E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03 -0.1527007E-04  0.6349728E+03 -0.2748176E+02  0.4958689E+00  0.7393125E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.1679234E-04  0.4499570E+03 -0.2370743E+02  0.5525561E+00  0.7393125E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.1799909E-04  0.2935858E+03 -0.1955808E+02  0.6000403E+00  0.7393125E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.1899999E-04  0.1683206E+03 -0.1508812E+02  0.6416155E+00  0.7393125E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03 -0.1988286E-04  0.7631680E+02 -0.1033024E+02  0.6800189E+00  0.7393125E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03 -0.2071222E-04  0.1956516E+02 -0.5299778E+01  0.7173317E+00  0.7393125E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03 -0.2152787E-04  0.0000000E+00  0.0000000E+00  0.7548800E+00  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
   14                                                                                                   Line 11: Num. points on Ytop vs. pile length curve for load case 1
  0.7200000E+03  0.7266204E+00  0.2255695E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.6840000E+03  0.7164781E+00  0.2260077E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.6480000E+03  0.7137536E+00  0.2261359E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.6120000E+03  0.7198623E+00  0.2258136E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.5760000E+03  0.7357338E+00  0.2249844E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.5400000E+03  0.6947329E+00  0.2273802E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.5040000E+03  0.7315007E+00  0.2253058E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4680000E+03  0.7199676E+00  0.2258242E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4320000E+03  0.7267989E+00  0.2253778E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3960000E+03  0.7027539E+00  0.2268373E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3600000E+03  0.7067748E+00  0.2264962E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3240000E+03  0.7096458E+00  0.2263014E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2880000E+03  0.7907431E+00  0.2222575E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2520000E+03  0.9659915E+00  0.2170242E+07  0.3000000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.0000000E+00  0.2444150E+00 -0.2356263E+07  0.3000000E+05  0.0000000E+00  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.2435889E+00 -0.2140263E+07  0.2998098E+05 -0.5284347E+01  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.2412621E+00 -0.1924537E+07  0.2991347E+05 -0.1346620E+02  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.2375858E+00 -0.1709509E+07  0.2977385E+05 -0.2531777E+02  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.2327108E+00 -0.1495794E+07  0.2953268E+05 -0.4167352E+02  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.2267870E+00 -0.1284239E+07  0.2915439E+05 -0.6340838E+02  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.2199626E+00 -0.1075970E+07  0.2859703E+05 -0.9141209E+02  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.2123838E+00 -0.8724412E+06  0.2781233E+05 -0.1265613E+03  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.2041933E+00 -0.6754729E+06  0.2674582E+05 -0.1696912E+03  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.1955291E+00 -0.4873014E+06  0.2533729E+05 -0.2215686E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.1865233E+00 -0.3106160E+06  0.2352131E+05 -0.2828685E+03  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.1772996E+00 -0.1485945E+06  0.2122803E+05 -0.3541546E+03  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.1679717E+00 -0.4932386E+04  0.1847212E+05 -0.4113750E+03  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.1586404E+00  0.1174041E+06  0.1546590E+05 -0.4236872E+03  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.1493914E+00  0.2177766E+06  0.1223001E+05 -0.4751719E+03  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.1402951E+00  0.2935161E+06  0.8505029E+04 -0.5595441E+03  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.1314046E+00  0.3402490E+06  0.4134558E+04 -0.6544756E+03  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.1227527E+00  0.3530538E+06  0.1732679E+04 -0.1271282E+02  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.1143483E+00  0.3651996E+06  0.1640013E+04 -0.1302779E+02  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.1062001E+00  0.3766700E+06  0.1545273E+04 -0.1328896E+02  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.9831591E-01  0.3874515E+06  0.1448865E+04 -0.1349091E+02  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.9070343E-01  0.3975336E+06  0.1351235E+04 -0.1362847E+02  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.8336970E-01  0.4069093E+06  0.1252864E+04 -0.1369681E+02  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.7632129E-01  0.4155749E+06  0.1154266E+04 -0.1369154E+02  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.6956428E-01  0.4235307E+06  0.1055985E+04 -0.1360876E+02  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.6310425E-01  0.4307811E+06  0.9585910E+03 -0.1344523E+02  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.5694627E-01  0.4373344E+06  0.8626736E+03 -0.1319848E+02  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.5109495E-01  0.4432036E+06  0.7688382E+03 -0.1286692E+02  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.4555440E-01  0.4484057E+06  0.6776972E+03 -0.1245000E+02  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03  0.4032827E-01  0.4529624E+06  0.5898631E+03 -0.1194838E+02  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.3541976E-01  0.4568997E+06  0.5059383E+03 -0.1136405E+02  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03  0.3083161E-01  0.4602479E+06  0.4265056E+03 -0.1070060E+02  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.2656619E-01  0.4630414E+06  0.3521154E+03 -0.9963342E+01  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03  0.2262545E-01  0.4653184E+06  0.2832728E+03 -0.9159608E+01  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03  0.1901099E-01  0.4671205E+06 -0.1976216E+03 -0.1244222E+03  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.1572407E-01  0.4624726E+06 -0.1040640E+04 -0.1097495E+03  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03  0.1276143E-01  0.4521353E+06 -0.1776335E+04 -0.9461042E+02  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03  0.1011583E-01  0.4368934E+06 -0.2402703E+04 -0.7938064E+02  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03  0.7776569E-02  0.4175364E+06 -0.2920280E+04 -0.6439062E+02  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03  0.5730083E-02  0.3948414E+06 -0.3331813E+04 -0.4992419E+02  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.3960458E-02  0.3695583E+06 -0.3641926E+04 -0.3621829E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03  0.2449963E-02  0.3423976E+06 -0.3856781E+04 -0.2346367E+02  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03  0.1179555E-02  0.3140206E+06 -0.3983753E+04 -0.1180644E+02  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03  0.1293356E-03  0.2850316E+06 -0.4031118E+04 -0.1350426E+01  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03 -0.7210218E-03  0.2559725E+06 -0.4007756E+04  0.7839852E+01  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03 -0.1391893E-02  0.2273199E+06 -0.3922884E+04  0.1573570E+02  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03 -0.1903370E-02  0.1994830E+06 -0.3785810E+04  0.2234032E+02  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03 -0.2274971E-02  0.1728042E+06 -0.3605720E+04  0.2768468E+02  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.2525403E-02  0.1475606E+06 -0.3391492E+04  0.3182321E+02  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03 -0.2672366E-02  0.1239667E+06 -0.3151542E+04  0.3482959E+02  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.2732405E-02  0.1021784E+06 -0.2893702E+04  0.3679250E+02  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.2720797E-02  0.8229743E+05 -0.2625128E+04  0.3781158E+02  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.2651483E-02  0.6437659E+05 -0.2352228E+04  0.3799375E+02  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.2537029E-02  0.4842534E+05 -0.2080632E+04  0.3744971E+02  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.2388619E-02  0.3441549E+05 -0.1815166E+04  0.3629088E+02  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.2216077E-02  0.2228695E+05 -0.1559862E+04  0.3462676E+02  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.2027908E-02  0.1195347E+05 -0.1317981E+04  0.3256263E+02  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03 -0.1831357E-02  0.3308033E+04 -0.1092043E+04  0.3019771E+02  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03 -0.1632487E-02 -0.3771955E+04 -0.8838863E+03  0.2762372E+02  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03 -0.1436262E-02 -0.9419929E+04 -0.6947152E+03  0.2492381E+02  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.1246641E-02 -0.1377585E+05 -0.5251709E+03  0.2217183E+02  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03 -0.1066680E-02 -0.1698239E+05 -0.3753971E+03  0.1943199E+02  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03 -0.8986275E-03 -0.1918157E+05 -0.2451106E+03  0.1675873E+02  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03 -0.7440245E-03 -0.2051198E+05 -0.1336702E+03  0.1419692E+02  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03 -0.6038044E-03 -0.2110642E+05 -0.4014544E+02  0.1178219E+02  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03 -0.4783840E-03 -0.2109008E+05  0.3661980E+02  0.9541489E+01  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03 -0.3677517E-03 -0.2057910E+05  0.9794673E+02  0.7493770E+01  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03 -0.2715494E-03 -0.1967964E+05  0.1452670E+03  0.5650740E+01  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03 -0.1891462E-03 -0.1848725E+05  0.1800734E+03  0.4017703E+01  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03 -0.1197062E-03 -0.1708659E+05  0.2038770E+03  0.2594423E+01  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03 -0.6224716E-04 -0.1555143E+05  0.2181705E+03  0.1375989E+01  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03 -0.1569264E-04 -0.1394493E+05  0.2243973E+03  0.3536691E+00  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03  0.2108379E-04 -0.1232010E+05  0.2239271E+03 -0.4842790E+00  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03  0.4922147E-04 -0.1072038E+05  0.2180370E+03 -0.1151844E+01  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03  0.6984211E-04 -0.9180371E+04  0.2078980E+03 -0.1664565E+01  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03  0.8402554E-04 -0.7726652E+04  0.1945655E+03 -0.2038901E+01  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03  0.9279110E-04 -0.6378628E+04  0.1789754E+03 -0.2291685E+01  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03  0.9708402E-04 -0.5149406E+04  0.1619426E+03 -0.2439649E+01  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03  0.9776622E-04 -0.4046655E+04  0.1441633E+03 -0.2499027E+01  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03  0.9561094E-04 -0.3073454E+04  0.1262200E+03 -0.2485239E+01  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.9130057E-04 -0.2229088E+04  0.1085876E+03 -0.2412641E+01  0.7393125E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03  0.8542719E-04 -0.1509793E+04  0.9164247E+02 -0.2294340E+01  0.7393125E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03  0.7849515E-04 -0.9094362E+03  0.7567139E+02 -0.2142074E+01  0.7393125E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03  0.7092542E-04 -0.4201248E+03  0.6088181E+02 -0.1966142E+01  0.7393125E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.6306111E-04 -0.3273816E+02  0.4741235E+02 -0.1775375E+01  0.7393125E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03  0.5517383E-04  0.2626130E+03  0.3534323E+02 -0.1577158E+01  0.7393125E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03  0.4747071E-04  0.4762043E+03  0.2470657E+02 -0.1377469E+01  0.7393125E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03  0.4010149E-04  0.6183876E+03  0.1549623E+02 -0.1180959E+01  0.7393125E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.3316588E-04  0.6993500E+03  0.7677040E+01 -0.9910379E+00  0.7393125E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03  0.2672064E-04  0.7289370E+03  0.1193341E+01 -0.8099896E+00  0.7393125E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03  0.2078654E-04  0.7165341E+03 -0.4023336E+01 -0.6390873E+00  0.7393125E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03  0.1535486E-04  0.6710010E+03 -0.8047451E+01 -0.4787223E+00  0.7393125E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03  0.1039368E-04  0.6006508E+03 -0.1095358E+02 -0.3285364E+00  0.7393125E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03  0.5853671E-05  0.5132694E+03 -0.1281153E+02 -0.1875589E+00  0.7393125E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03  0.1673564E-05  0.4161649E+03 -0.1368238E+02 -0.5434607E-01  0.7393125E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.2214731E-05  0.3162431E+03 -0.1361567E+02  0.7287630E-01  0.7393125E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.5881280E-05  0.2200992E+03 -0.1264748E+02  0.1960657E+00  0.7393125E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.9393496E-05  0.1341193E+03 -0.1079969E+02  0.3172113E+00  0.7393125E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03 -0.1281167E-04  0.6458368E+02 -0.8080294E+01  0.4381751E+00  0.7393125E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03 -0.1618456E-04  0.1776306E+02 -0.4484978E+01  0.5605238E+00  0.7393125E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03 -0.1954499E-04  0.0000000E+00  0.0000000E+00  0.6853500E+00  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.3000000E+05  0.7266204E+00  0.2255695E+07  0.3000000E+05 -0.5381870E-02                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.3000000E+05  0.2444150E+00 -0.2356263E+07  0.3000000E+05 -0.9637353E-17                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
